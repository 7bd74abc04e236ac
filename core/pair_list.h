#pragma once
// Pair lists (US_FRM.LST, US_VIEW.LST ...): read two lines at a time, the
// display text the user sees, then the value the workbench stores. The first
// pair is the fallback choice.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

class FileSystem;

struct ListPair {
    std::string display;
    std::string value;
};

// A last display line without its value line gives an empty value.
std::vector<ListPair> pairsFromLines(const std::vector<std::string>& lines);
// Nothing when the file cannot be read.
std::optional<std::vector<ListPair>> readPairList(const FileSystem& files, const std::string& path,
                                                  std::string_view charsetName);

// Values match after trimming, without regard to case.
bool pairValueMatches(const ListPair& pair, std::string_view value);

struct DisplayChoice {
    std::string display;  // the display line as it stands
    std::string value;    // the stored value; the first pair's when nothing matched
    bool matched = false;
};
// The display text for `value`, or the first pair when no pair has it.
// Nothing when the list is empty: the caller keeps what it has.
std::optional<DisplayChoice> findDisplayText(const std::vector<ListPair>& pairs, std::string_view value);

}  // namespace orvo
