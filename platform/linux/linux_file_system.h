#pragma once
#include "platform/file_system.h"

namespace orvo {

class LinuxFileSystem : public FileSystem {
public:
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
