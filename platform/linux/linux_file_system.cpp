#include "platform/linux/linux_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/linux/atomic_replace.h"
#include "platform/linux/regular_file.h"

namespace orvo {
namespace {

std::string withoutTrailingSlash(const std::string& path) {
    std::string p = path;
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p;
}

}  // namespace

FileRead LinuxFileSystem::read(const std::string& path) const { return readRegularFile(path); }

FileWrite LinuxFileSystem::replace(const std::string& path, const std::string& content) {
    return replaceFileAtomically(path, content);
}

bool LinuxFileSystem::fileExists(const std::string& path) const {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool LinuxFileSystem::directoryExists(const std::string& path) const {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool LinuxFileSystem::createDirectories(const std::string& path) {
    std::string target = withoutTrailingSlash(path);
    if (target.empty()) return false;
    for (std::size_t at = target.find('/', 1); ; at = target.find('/', at + 1)) {
        std::string part = at == std::string::npos ? target : target.substr(0, at);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        if (at == std::string::npos) break;
    }
    return directoryExists(target);
}

bool LinuxFileSystem::removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

std::vector<std::string> LinuxFileSystem::listDirectory(const std::string& path) const {
    std::vector<std::string> names;
    DIR* dir = ::opendir(path.empty() ? "." : path.c_str());
    if (!dir) return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

// The entry's own kind: a link is never followed. Where the folder does not
// say (d_type unknown), the entry itself is asked without following it.
std::vector<DirectoryEntry> LinuxFileSystem::listEntries(const std::string& path) const {
    std::vector<DirectoryEntry> entries;
    DIR* dir = ::opendir(path.empty() ? "." : path.c_str());
    if (!dir) return entries;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info {};
            if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
            type = S_ISLNK(info.st_mode) ? DT_LNK : S_ISDIR(info.st_mode) ? DT_DIR : DT_REG;
        }
        DirectoryEntry::Kind kind = type == DT_LNK   ? DirectoryEntry::Kind::Link
                                    : type == DT_DIR ? DirectoryEntry::Kind::Folder
                                                     : DirectoryEntry::Kind::File;
        entries.push_back({std::move(name), kind});
    }
    ::closedir(dir);
    return entries;
}

bool LinuxFileSystem::sameFile(const std::string& a, const std::string& b) const {
    struct stat first {}, second {};
    return !a.empty() && !b.empty() && ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::string LinuxFileSystem::currentDirectory() const {
    char buffer[PATH_MAX];
    if (!::getcwd(buffer, sizeof buffer)) return {};
    std::string folder = buffer;
    if (folder.back() != '/') folder += '/';
    return folder;
}

bool LinuxFileSystem::setCurrentDirectory(const std::string& path) {
    return !path.empty() && ::chdir(path.c_str()) == 0;
}

}  // namespace orvo
