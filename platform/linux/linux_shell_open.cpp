#include "platform/linux/linux_shell_open.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/linux_child_start.h"

namespace orvo {
namespace {

bool isAddress(const std::string& target) {
    // "scheme:" with a scheme of letters, digits, '+', '-', '.' and at least
    // two characters, so that a relative "a:b" file is no address.
    const std::size_t colon = target.find(':');
    if (colon == std::string::npos || colon < 2) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = target[i];
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.')) return false;
    }
    return std::isalpha(static_cast<unsigned char>(target[0]));
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator) pieces.emplace_back();
        else pieces.back() += c;
    }
    return pieces;
}

std::string inFolder(const std::string& folder, const std::string& target) {
    if (target.empty() || target[0] == '/' || folder.empty()) return target;
    return folder.back() == '/' ? folder + target : folder + "/" + target;
}

ShellOpenResult started(const std::vector<std::string>& argv, const std::string& folder) {
    ChildOptions options;
    options.argv = argv;
    options.folder = folder;
    options.input = ChildStream::null();
    options.detach = true;
    options.newSession = true;
    ChildStart child = startChild(options);
    if (child) return {true, {}};
    return {false, std::string(childStepName(child.failedStep)) + ": " + std::strerror(child.error)};
}

}  // namespace

bool isStartableProgram(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || ::access(path.c_str(), X_OK) != 0) return false;
    // Non-blocking and checked to be a regular file above: nothing here can hang.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    char head[4] = {};
    const ssize_t got = ::read(fd, head, sizeof head);
    ::close(fd);
    if (got >= 2 && head[0] == '#' && head[1] == '!') return true;
    return got == 4 && std::memcmp(head, "\x7f" "ELF", 4) == 0;
}

bool LinuxShellOpen::isProgram(const std::string& path) const {
    if (path.find('/') != std::string::npos) return isStartableProgram(path);
    if (path.empty()) return false;
    const char* searchPath = std::getenv("PATH");
    for (const std::string& entry : splitAt(searchPath ? searchPath : "/usr/local/bin:/usr/bin:/bin", ':')) {
        if (!entry.empty() && isStartableProgram(entry + "/" + path)) return true;
    }
    return false;
}

ShellOpenResult LinuxShellOpen::open(const ShellOpenRequest& request) {
    const std::string& target = request.target;
    if (target.empty()) return {false, std::strerror(ENOENT)};
    // A folder that is not there (or an address's "folder") would make the
    // start fail in chdir; the workbench's own folder serves then.
    struct stat folderInfo {};
    const std::string folder =
        ::stat(request.folder.c_str(), &folderInfo) == 0 && S_ISDIR(folderInfo.st_mode) ? request.folder : std::string();
    if (isAddress(target)) return started({"xdg-open", target}, folder);

    const std::string path = inFolder(folder, target);
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (isStartableProgram(path)) {
            std::vector<std::string> argv {path};
            argv.insert(argv.end(), request.parameters.begin(), request.parameters.end());
            return started(argv, folder);
        }
        // "./" keeps a name that starts with "-" from being read as an option.
        return started({"xdg-open", path[0] == '/' ? path : "./" + path}, folder);
    }
    // A bare name that is no file here may be a program on PATH.
    if (target.find('/') == std::string::npos) {
        std::vector<std::string> argv {target};
        argv.insert(argv.end(), request.parameters.begin(), request.parameters.end());
        return started(argv, folder);
    }
    return {false, std::strerror(ENOENT)};
}

}  // namespace orvo
