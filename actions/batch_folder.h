#pragma once
// List entries and format entries may name a batch script without a folder;
// such a script is taken from the batch folder `OrvoBTMDir`.
#include <string>
#include <string_view>

namespace orvo {

struct Workbench;

// The upper-cased extension of the whole entry text, cut to four characters
// (".BTM", ".EXE"): "viewer.exe -single" counts as ".EXE".
std::string entryKind(std::string_view entry);
// ".BAT" or ".BTM".
bool isScriptKind(std::string_view kind);

// `entry` with `OrvoBTMDir` in front of its program word when that word has
// no folder; the program word is quoted when the result would not stay one
// word. The rest of the entry is kept as written.
std::string inBatchFolder(const Workbench& workbench, std::string_view entry);

}  // namespace orvo
