#include "platform/fake/fake_file_system.h"

namespace orvo {
namespace {

std::string normalFolder(const std::string& path) {
    std::string p = path;
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p;
}

std::string parentOf(const std::string& path) {
    std::size_t at = path.rfind('/');
    if (at == std::string::npos) return {};
    return at == 0 ? "/" : path.substr(0, at);
}

}  // namespace

void FakeFileSystem::addFile(const std::string& path, const std::string& content) {
    files[path] = content;
    addDirectory(parentOf(path));
}

void FakeFileSystem::addDirectory(const std::string& path) {
    for (std::string p = normalFolder(path); !p.empty() && !directories.count(p); p = parentOf(p)) {
        directories.insert(p);
    }
}

void FakeFileSystem::addLink(const std::string& path, const std::string& target) {
    links[path] = target;
    addDirectory(parentOf(path));
}

FileRead FakeFileSystem::read(const std::string& path) const {
    if (auto it = unreadable.find(path); it != unreadable.end()) return {{}, it->second};
    if (auto it = files.find(path); it != files.end()) return {it->second, std::nullopt};
    if (directoryExists(path)) return {{}, FileError {FileError::Kind::NotRegularFile, 0}};
    return {{}, FileError {FileError::Kind::Missing, ENOENT}};
}

FileWrite FakeFileSystem::replace(const std::string& path, const std::string& content) {
    if (failWrites) return {writeError};
    if (!directoryExists(parentOf(path))) return {FileError {FileError::Kind::Missing, ENOENT}};
    auto it = unreadable.find(path);
    if (directoryExists(path) || (it != unreadable.end() && it->second.kind == FileError::Kind::NotRegularFile))
        return {FileError {FileError::Kind::NotRegularFile, 0}};
    ++writeCount;
    writtenPaths.push_back(path);
    files[path] = content;
    return {};
}

int FakeFileSystem::writesTo(const std::string& path) const {
    int count = 0;
    for (const std::string& written : writtenPaths) count += written == path;
    return count;
}

bool FakeFileSystem::fileExists(const std::string& path) const {
    return files.count(path) > 0 || unreadable.count(path) > 0;
}

bool FakeFileSystem::directoryExists(const std::string& path) const {
    return !path.empty() && directories.count(normalFolder(path)) > 0;
}

bool FakeFileSystem::createDirectories(const std::string& path) {
    if (failWrites || path.empty()) return false;
    addDirectory(path);
    return true;
}

bool FakeFileSystem::removeFile(const std::string& path) {
    if (undeletable.count(path)) return false;
    return files.erase(path) > 0 || links.erase(path) > 0;
}

std::vector<std::string> FakeFileSystem::listDirectory(const std::string& path) const {
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : listEntries(path)) names.push_back(entry.name);
    return names;
}

std::vector<DirectoryEntry> FakeFileSystem::listEntries(const std::string& path) const {
    std::string folder = normalFolder(path);
    std::string prefix = folder == "/" ? "/" : folder + "/";
    std::vector<DirectoryEntry> entries;
    auto inFolder = [&prefix](const std::string& file) {
        return file.compare(0, prefix.size(), prefix) == 0 && file.find('/', prefix.size()) == std::string::npos;
    };
    auto add = [&](const std::string& file, DirectoryEntry::Kind kind) {
        if (inFolder(file)) entries.push_back({file.substr(prefix.size()), kind});
    };
    for (const auto& [file, content] : files) add(file, DirectoryEntry::Kind::File);
    for (const auto& [file, error] : unreadable) {
        if (!files.count(file)) add(file, DirectoryEntry::Kind::File);
    }
    for (const auto& [link, target] : links) add(link, DirectoryEntry::Kind::Link);
    for (const std::string& dir : directories) {
        if (dir != folder) add(dir, DirectoryEntry::Kind::Folder);
    }
    return entries;
}

// Links are followed as far as they lead (a few steps: a loop leads nowhere);
// a link's target is an absolute path here.
bool FakeFileSystem::sameFile(const std::string& a, const std::string& b) const {
    auto resolved = [this](std::string path) {
        for (int step = 0; step < 8 && links.count(path); ++step) path = links.at(path);
        return path;
    };
    std::string first = resolved(a);
    return first == resolved(b) && (files.count(first) > 0 || directoryExists(first));
}

std::string FakeFileSystem::currentDirectory() const {
    return current == "/" ? current : current + "/";
}

bool FakeFileSystem::setCurrentDirectory(const std::string& path) {
    if (!directoryExists(path)) return false;
    current = normalFolder(path);
    return true;
}

}  // namespace orvo
