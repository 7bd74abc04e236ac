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

std::optional<std::string> FakeFileSystem::readFile(const std::string& path) const {
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

bool FakeFileSystem::writeFileAtomically(const std::string& path, const std::string& content) {
    if (failWrites || !directoryExists(parentOf(path))) return false;
    ++writeCount;
    files[path] = content;
    return true;
}

bool FakeFileSystem::fileExists(const std::string& path) const { return files.count(path) > 0; }

bool FakeFileSystem::directoryExists(const std::string& path) const {
    return !path.empty() && directories.count(normalFolder(path)) > 0;
}

bool FakeFileSystem::createDirectories(const std::string& path) {
    if (failWrites || path.empty()) return false;
    addDirectory(path);
    return true;
}

bool FakeFileSystem::removeFile(const std::string& path) { return files.erase(path) > 0; }

std::vector<std::string> FakeFileSystem::listDirectory(const std::string& path) const {
    std::string folder = normalFolder(path);
    std::string prefix = folder == "/" ? "/" : folder + "/";
    std::vector<std::string> names;
    for (const auto& [file, content] : files) {
        if (file.compare(0, prefix.size(), prefix) == 0 && file.find('/', prefix.size()) == std::string::npos)
            names.push_back(file.substr(prefix.size()));
    }
    for (const std::string& dir : directories) {
        if (dir != folder && dir.compare(0, prefix.size(), prefix) == 0 &&
            dir.find('/', prefix.size()) == std::string::npos)
            names.push_back(dir.substr(prefix.size()));
    }
    return names;
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
