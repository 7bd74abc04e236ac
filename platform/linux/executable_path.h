#pragma once
// Where the running program lives: the program folder holds its scripts,
// list files and UI-string files beside it.
#include <string>

namespace orvo {

// The running executable (through /proc/self/exe), or empty when unknown.
std::string executablePath();
// Its folder, ending in '/'; empty when unknown.
std::string executableFolder();

}  // namespace orvo
