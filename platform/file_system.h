#pragma once
// Files and folders as the workbench sees them. Paths are byte strings; folders
// may be given with or without a trailing '/'.
#include <optional>
#include <string>
#include <vector>

namespace orvo {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole content, or nothing when the file cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path) const = 0;
    // Replaces the file in one step: the content goes to a temporary file in the
    // same folder, which is then renamed over `path`. A crash leaves the old or
    // the new file, never a torn one. False when anything failed; the old file
    // is then untouched.
    virtual bool writeFileAtomically(const std::string& path, const std::string& content) = 0;
    virtual bool fileExists(const std::string& path) const = 0;  // a file, not a folder
    virtual bool directoryExists(const std::string& path) const = 0;
    // Creates the folder and its missing parents; true when it exists afterwards.
    virtual bool createDirectories(const std::string& path) = 0;
    virtual bool removeFile(const std::string& path) = 0;
    // Names (not paths) of the entries of a folder; empty when it cannot be read.
    virtual std::vector<std::string> listDirectory(const std::string& path) const = 0;
    virtual std::string currentDirectory() const = 0;
    virtual bool setCurrentDirectory(const std::string& path) = 0;
};

}  // namespace orvo
