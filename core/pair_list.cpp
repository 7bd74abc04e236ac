#include "core/pair_list.h"

#include "core/text.h"
#include "core/ui_strings.h"

namespace orvo {

std::vector<ListPair> pairsFromLines(const std::vector<std::string>& lines) {
    std::vector<ListPair> pairs;
    pairs.reserve((lines.size() + 1) / 2);
    for (std::size_t i = 0; i < lines.size(); i += 2)
        pairs.push_back({lines[i], i + 1 < lines.size() ? lines[i + 1] : std::string()});
    return pairs;
}

std::optional<std::vector<ListPair>> readPairList(const FileSystem& files, const std::string& path,
                                                  std::string_view charsetName) {
    std::optional<std::vector<std::string>> lines = readLanguageTextFile(files, path, charsetName);
    if (!lines) return std::nullopt;
    return pairsFromLines(*lines);
}

bool pairValueMatches(const ListPair& pair, std::string_view value) {
    return equalsIgnoringCase(trim(pair.value), trim(value));
}

std::optional<DisplayChoice> findDisplayText(const std::vector<ListPair>& pairs, std::string_view value) {
    if (pairs.empty()) return std::nullopt;
    for (const ListPair& pair : pairs) {
        if (pairValueMatches(pair, value)) return DisplayChoice {pair.display, std::string(value), true};
    }
    return DisplayChoice {pairs.front().display, pairs.front().value, false};
}

}  // namespace orvo
