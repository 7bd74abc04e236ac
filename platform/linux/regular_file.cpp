#include "platform/linux/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace orvo {
namespace {

constexpr FileError kNotRegular {FileError::Kind::NotRegularFile, 0};

OpenedFile failed(FileError error) { return {-1, error}; }

}  // namespace

FileError systemError(int code) {
    // A missing folder on the way is as missing as a missing file.
    if (code == ENOENT || code == ENOTDIR) return {FileError::Kind::Missing, code};
    return {FileError::Kind::System, code};
}

OpenedFile openRegularFile(const std::string& path) {
    struct stat info {};
    if (path.empty()) return failed(systemError(ENOENT));
    // Checked before the open, so that no device is opened at all.
    if (::stat(path.c_str(), &info) != 0) return failed(systemError(errno));
    if (!S_ISREG(info.st_mode)) return failed(kNotRegular);
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return failed(systemError(errno));
    int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        int code = errno;
        bool regular = S_ISREG(info.st_mode);
        ::close(fd);
        return failed(regular ? systemError(code) : kNotRegular);
    }
    return {fd, std::nullopt};
}

FileRead readRegularFile(const std::string& path, std::size_t limit) {
    OpenedFile file = openRegularFile(path);
    if (file.error) return {{}, file.error};
    FileRead result;
    struct stat info {};
    if (::fstat(file.fd, &info) == 0 && info.st_size > 0)
        result.content.reserve(std::min<std::size_t>(std::size_t(info.st_size), limit));
    char buffer[65536];
    while (result.content.size() < limit) {
        std::size_t wanted = std::min(sizeof buffer, limit - result.content.size());
        ssize_t n = ::read(file.fd, buffer, wanted);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result = {{}, systemError(errno)};
            break;
        }
        if (n == 0) break;
        result.content.append(buffer, std::size_t(n));
    }
    ::close(file.fd);
    return result;
}

}  // namespace orvo
