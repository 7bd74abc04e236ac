#include "dialogs/file_mask.h"

#include "core/path_names.h"

namespace orvo {
namespace {

char folded(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The length of the UTF-8 sequence at `at`: its lead byte and the
// continuation bytes after it. A stray byte is a character of its own.
std::size_t characterLength(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    return end - at;
}

}  // namespace

// Greedy with one step back: on a mismatch the last "*" takes one more
// character. Linear in practice, quadratic at worst; never recursive.
bool matchesWildcards(std::string_view pattern, std::string_view text) {
    std::size_t p = 0, t = 0;
    std::size_t starAt = std::string_view::npos, resumeAt = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = t;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            t += characterLength(text, t);
        } else if (p < pattern.size() && folded(pattern[p]) == folded(text[t])) {
            ++p;
            ++t;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            resumeAt += characterLength(text, resumeAt);
            t = resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool matchesFileMask(std::string_view mask, std::string_view name) {
    if (mask.empty() || name.empty()) return false;
    return matchesWildcards(mask, name) && matchesWildcards(extensionOf(mask), extensionOf(name));
}

}  // namespace orvo
