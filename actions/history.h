#pragma once
// The main history and the current history: the last ten main files and
// current files as full paths, entry 0 the most recent.
#include <array>
#include <string>
#include <vector>

#include "core/workbench.h"

namespace orvo {

using History = std::array<std::string, kHistorySize>;

// Puts `path` at the front. The last entry equal to it (ignoring case) leaves
// its place and the entries before it move down; a path not in the list
// pushes the last entry out. An empty path (no file) changes nothing.
void moveToFront(History& history, const std::string& path);

// What a history menu lists: the non-empty entries in order, without the
// one equal (ignoring case) to `active`.
std::vector<std::string> historyMenuEntries(const History& history, const std::string& active);

}  // namespace orvo
