#pragma once
// The data files shipped in the program folder, read from the source tree so
// tests check exactly what is committed.
#include <string>
#include <vector>

namespace orvo {

// The file's bytes; empty when it cannot be read.
std::string shippedFile(const std::string& name);
// Its lines (LF or CR LF).
std::vector<std::string> shippedLines(const std::string& name);

}  // namespace orvo
