#pragma once
// An in-memory file system for tests. Paths are taken literally; folders are
// stored without their trailing '/'. Write failures can be switched on, and
// paths can hold something that cannot be read.
#include <cerrno>
#include <map>
#include <set>

#include "platform/file_system.h"

namespace orvo {

class FakeFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> directories {"/"};
    std::string current = "/";
    // What stands at these paths exists but cannot be read: a file without
    // permission (System, EACCES), a FIFO or device (NotRegularFile). A write
    // replaces neither a FIFO nor a device; a file without permission keeps it.
    std::map<std::string, FileError> unreadable;
    // Symbolic links: the link's path and what it points to. A link is
    // listed as a link and removed as one; reads and writes do not follow it.
    std::map<std::string, std::string> links;
    // Paths whose removal fails (a file in use, a folder without write
    // permission); the file stays.
    std::set<std::string> undeletable;
    bool failWrites = false;
    FileError writeError {FileError::Kind::System, ENOSPC};
    int writeCount = 0;
    std::vector<std::string> writtenPaths;  // each successful write, in order

    int writesTo(const std::string& path) const;

    // Adds a file and its folders.
    void addFile(const std::string& path, const std::string& content = {});
    void addDirectory(const std::string& path);
    // Adds a link and its folders.
    void addLink(const std::string& path, const std::string& target);

    FileRead read(const std::string& path) const override;
    FileWrite replace(const std::string& path, const std::string& content) override;
    bool fileExists(const std::string& path) const override;
    bool directoryExists(const std::string& path) const override;
    bool createDirectories(const std::string& path) override;
    bool removeFile(const std::string& path) override;
    std::vector<std::string> listDirectory(const std::string& path) const override;
    std::vector<DirectoryEntry> listEntries(const std::string& path) const override;
    bool sameFile(const std::string& a, const std::string& b) const override;
    std::string currentDirectory() const override;
    bool setCurrentDirectory(const std::string& path) override;
};

}  // namespace orvo
