#include "platform/linux/linux_user_processes.h"

#include <dirent.h>
#include <signal.h>
#include <strings.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/linux/regular_file.h"

namespace orvo::processes {
namespace {

std::vector<pid_t> userProcesses() {
    std::vector<pid_t> pids;
    DIR* proc = ::opendir("/proc");
    if (!proc) return pids;
    uid_t me = ::getuid();
    pid_t self = ::getpid();
    while (dirent* entry = ::readdir(proc)) {
        char* end = nullptr;
        long pid = std::strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0' || pid == self) continue;
        struct stat info {};
        std::string folder = std::string("/proc/") + entry->d_name;
        if (::stat(folder.c_str(), &info) == 0 && info.st_uid == me) pids.push_back(pid_t(pid));
    }
    ::closedir(proc);
    std::sort(pids.begin(), pids.end());
    return pids;
}

// The file name of the program the process runs, or its short command name
// when the executable cannot be read.
std::string executableName(pid_t pid) {
    std::string folder = "/proc/" + std::to_string(pid);
    char buffer[PATH_MAX];
    ssize_t n = ::readlink((folder + "/exe").c_str(), buffer, sizeof buffer - 1);
    if (n > 0) {
        std::string path(buffer, std::size_t(n));
        const std::string deleted = " (deleted)";
        if (path.size() > deleted.size() && path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
            path.resize(path.size() - deleted.size());
        return path.substr(path.rfind('/') + 1);
    }
    std::string name = readRegularFile(folder + "/comm").content;
    return name.substr(0, name.find('\n'));
}

// Gone, or a zombie waiting for its parent.
bool hasEnded(pid_t pid) {
    FileRead stat = readRegularFile("/proc/" + std::to_string(pid) + "/stat");
    if (!stat.ok() || stat.content.empty()) return true;
    const std::string& text = stat.content;
    std::size_t at = text.rfind(')');
    return at == std::string::npos || at + 2 >= text.size() || text[at + 2] == 'Z' || text[at + 2] == 'X';
}

}  // namespace

pid_t findByName(const std::string& name) {
    for (pid_t pid : userProcesses()) {
        if (::strcasecmp(executableName(pid).c_str(), name.c_str()) == 0) return pid;
    }
    return -1;
}

bool terminate(pid_t pid, int timeLimitMs) {
    if (::kill(pid, SIGTERM) != 0) return false;
    for (int waited = 0; waited < timeLimitMs; waited += 20) {
        if (hasEnded(pid)) return true;
        timespec pause {0, 20 * 1000000L};
        ::nanosleep(&pause, nullptr);
    }
    return hasEnded(pid);
}

}  // namespace orvo::processes
