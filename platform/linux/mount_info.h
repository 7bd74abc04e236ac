#pragma once
// /proc/self/mountinfo: one mount a line, "ID parent major:minor root
// mount-point options [optional fields] - type source super-options", fields
// separated by blanks, with blank, tab, line break and backslash in names
// written as octal escapes (\040, \011, \012, \134).
#include <string_view>
#include <vector>

#include "platform/mount_table.h"

namespace orvo {

// The mounts of a mountinfo text, in its order. A line that does not have
// that form is left out.
std::vector<Mount> parseMountInfo(std::string_view text);

}  // namespace orvo
