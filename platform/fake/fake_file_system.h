#pragma once
// An in-memory file system for tests. Paths are taken literally; folders are
// stored without their trailing '/'. Write failures can be switched on.
#include <map>
#include <set>

#include "platform/file_system.h"

namespace orvo {

class FakeFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> directories {"/"};
    std::string current = "/";
    bool failWrites = false;
    int writeCount = 0;

    // Adds a file and its folders.
    void addFile(const std::string& path, const std::string& content = {});
    void addDirectory(const std::string& path);

    std::optional<std::string> readFile(const std::string& path) const override;
    bool writeFileAtomically(const std::string& path, const std::string& content) override;
    bool fileExists(const std::string& path) const override;
    bool directoryExists(const std::string& path) const override;
    bool createDirectories(const std::string& path) override;
    bool removeFile(const std::string& path) override;
    std::vector<std::string> listDirectory(const std::string& path) const override;
    std::string currentDirectory() const override;
    bool setCurrentDirectory(const std::string& path) override;
};

}  // namespace orvo
