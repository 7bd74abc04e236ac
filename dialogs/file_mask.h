#pragma once
// File masks of the clean-up lists ("*.BAK", "_DUMP_.*", "*.?LG"): a name
// pattern without a folder, "?" standing for any one character and "*" for
// any run of characters, compared without regard to (ASCII) case.
#include <string_view>

namespace orvo {

// Whether `text` as a whole matches `pattern`. A character is a whole UTF-8
// sequence, so "?" stands for "ä" as for "a".
bool matchesWildcards(std::string_view pattern, std::string_view text);

// Whether a folder entry's name is one the mask deletes: the name matches
// the mask, and its extension (from the last dot) matches the mask's. So
// "*.BAK" takes A.BAK but not A.BAKUP, and "*" only names without a dot.
bool matchesFileMask(std::string_view mask, std::string_view name);

}  // namespace orvo
