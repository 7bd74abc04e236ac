#pragma once
// What a test sees of a folder or a path without going through the code
// under test.
#include <string>
#include <sys/types.h>
#include <vector>

namespace orvo::test {

// The names in a folder, sorted; empty when it cannot be read.
std::vector<std::string> sortedEntries(const std::string& folder);
bool isLink(const std::string& path);
bool isFifo(const std::string& path);
// The permission bits of what the path names (a link is followed).
mode_t modeOf(const std::string& path);

}  // namespace orvo::test
