#include "platform/linux/linux_instance_guard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace orvo {
namespace {

std::string lockPath(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = (runtime && *runtime) ? runtime : "/tmp";
    std::string file;
    for (char c : name) file += (c == '/' || c == ' ') ? '_' : c;
    if (!runtime || !*runtime) file += "-" + std::to_string(::getuid());
    return folder + "/" + file + ".lock";
}

}  // namespace

LinuxInstanceGuard::~LinuxInstanceGuard() {
    if (fd_ >= 0) ::close(fd_);
}

bool LinuxInstanceGuard::claim(const std::string& name) {
    if (fd_ >= 0) return true;
    int fd = ::open(lockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file there is no way to tell; let the user work.
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

}  // namespace orvo
