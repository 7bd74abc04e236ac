#include "tests/temp_dir.h"

#include <climits>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace orvo::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvo-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& content) const {
    std::filesystem::path full = path_ + name;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary);
    out << content;
    return full.string();
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream in(path_ + name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool pathExists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

std::string currentFolder() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) + "/" : std::string();
}

}  // namespace orvo::test
