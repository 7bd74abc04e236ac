#include "platform/linux/atomic_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "platform/linux/regular_file.h"

namespace orvo {
namespace {

constexpr const char* kTemporaryMark = ".orvo-tmp-";
constexpr std::size_t kRandomLength = 6;  // what mkostemp fills in
constexpr int kMostLinks = 40;            // as the kernel follows at most
constexpr mode_t kNewFileMode = 0644;

FileWrite failure(FileError error) { return {error}; }
FileWrite failure(int code) { return {systemError(code)}; }

std::string folderPart(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string namePart(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isRandomPart(const std::string& text) {
    if (text.size() != kRandomLength) return false;
    for (char c : text) {
        bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alphanumeric) return false;
    }
    return true;
}

bool writeAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

// A leftover is removed only while nobody holds its lock: a write in
// progress keeps its temporary file.
void removeIfLeftover(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat info {};
    bool ours = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
                info.st_nlink == 1;
    if (ours && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
    ::close(fd);
}

void removeLeftovers(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> leftovers;
    while (dirent* entry = ::readdir(dir)) {
        if (isTemporaryNameOf(entry->d_name, name)) leftovers.push_back(folder + "/" + entry->d_name);
    }
    ::closedir(dir);
    for (const std::string& path : leftovers) removeIfLeftover(path);
}

// The rename is on disk only once the folder is; a failure here leaves the
// new file in place all the same.
void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string temporaryNamePrefix(const std::string& name) { return "." + name + kTemporaryMark; }

bool isTemporaryNameOf(const std::string& entry, const std::string& name) {
    std::string prefix = temporaryNamePrefix(name);
    return entry.size() == prefix.size() + kRandomLength && entry.compare(0, prefix.size(), prefix) == 0 &&
           isRandomPart(entry.substr(prefix.size()));
}

ResolvedPath resolveLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops <= kMostLinks; ++hops) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return {current, 0};
        char buffer[PATH_MAX];
        ssize_t n = ::readlink(current.c_str(), buffer, sizeof buffer - 1);
        if (n < 0) return {current, errno};
        if (n == 0) return {current, ENOENT};  // no file system makes an empty link, but a broken one might
        std::string target(buffer, std::size_t(n));
        current = target.front() == '/' ? target : folderPart(current) + "/" + target;
    }
    return {path, ELOOP};
}

FileWrite replaceFileAtomically(const std::string& path, const std::string& content) {
    if (path.empty() || path.back() == '/') return failure(EISDIR);
    ResolvedPath resolved = resolveLinks(path);
    if (resolved.error) return failure(resolved.error);
    const std::string& target = resolved.path;

    mode_t mode = kNewFileMode;
    struct stat old {};
    if (::lstat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) return failure(FileError {FileError::Kind::NotRegularFile, 0});
        mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
        return failure(errno);
    }

    std::string folder = folderPart(target);
    std::string name = namePart(target);
    removeLeftovers(folder, name);
    std::string temporary = folder + "/" + temporaryNamePrefix(name) + "XXXXXX";
    int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return failure(errno);
    // Held until the rename is done, so that no other write takes this file
    // for a leftover.
    ::flock(fd, LOCK_EX);
    // A file system without modes (vfat) refuses this; the content counts.
    ::fchmod(fd, mode);
    bool written = writeAll(fd, content) && ::fsync(fd) == 0 && ::rename(temporary.c_str(), target.c_str()) == 0;
    int code = errno;
    if (!written) ::unlink(temporary.c_str());
    ::close(fd);
    if (!written) return {FileError {FileError::Kind::System, code}};
    syncFolder(folder);
    return {};
}

}  // namespace orvo
