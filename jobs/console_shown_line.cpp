#include "jobs/console_shown_line.h"

namespace orvo {
namespace {

// The longest UTF-8 character has three continuation bytes.
constexpr int kMostContinuationBytes = 3;

bool isContinuationByte(char c) { return (c & 0xC0) == 0x80; }

// The part of `line` that is shown: all of it, or its first kShownLineBytes
// bytes less a character the cut would split. Looks at no byte behind that.
std::string_view shownPart(std::string_view line) {
    if (line.size() <= kShownLineBytes) return line;
    std::size_t cut = kShownLineBytes;
    for (int step = 0; step < kMostContinuationBytes && isContinuationByte(line[cut]); ++step) --cut;
    return line.substr(0, cut);
}

// Passes `skip` columns of `text`, then takes up to `count` columns; both
// go down by what `text` held, so the next text goes on from there.
std::string_view columnsOf(std::string_view text, std::size_t& skip, std::size_t& count) {
    std::size_t begin = 0;
    std::size_t passed = 0;
    for (; begin < text.size(); ++begin) {
        if (isContinuationByte(text[begin])) continue;
        if (passed == skip) break;
        ++passed;
    }
    if (skip == 0) begin = 0;  // continuation bytes in front belong to the first column
    skip -= passed;
    std::size_t end = begin;
    std::size_t taken = 0;
    for (; end < text.size(); ++end) {
        if (isContinuationByte(text[end])) continue;
        if (taken == count) break;
        ++taken;
    }
    count -= taken;
    return text.substr(begin, end - begin);
}

}  // namespace

std::string cutLineMarker(std::size_t lineBytes) {
    return "  [... cut: " + std::to_string(lineBytes) + " bytes in all]";
}

std::size_t shownLength(std::size_t lineBytes) {
    return lineBytes <= kShownLineBytes ? lineBytes : kShownLineBytes + cutLineMarker(lineBytes).size();
}

std::string shownColumns(std::string_view line, std::size_t first, std::size_t count) {
    std::string_view part = shownPart(line);
    std::string shown(columnsOf(part, first, count));
    if (part.size() < line.size() && count > 0) shown += columnsOf(cutLineMarker(line.size()), first, count);
    return shown;
}

std::string shownText(std::string_view line) { return shownColumns(line, 0, std::string::npos); }

}  // namespace orvo
