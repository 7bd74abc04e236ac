#pragma once
// A fresh folder under /tmp for one test, removed with everything in it when
// the fixture ends.
#include <string>

namespace orvo::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending in '/'.
    const std::string& path() const { return path_; }
    // Writes `content` to path() + `name`, creating folders on the way; returns the full path.
    std::string write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;

private:
    std::string path_;
};

// Whether anything exists at `path`.
bool pathExists(const std::string& path);
// The process's current folder, ending in '/'.
std::string currentFolder();

}  // namespace orvo::test
