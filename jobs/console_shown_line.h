#pragma once
// What the console's list draws of a stored line. A line is stored whole,
// however long; the list shows at most its first kShownLineBytes bytes, then
// a marker saying it was cut, and draws only the columns in view. So a row
// costs the same to draw, measure or copy for a line of any length.
#include <cstddef>
#include <string>
#include <string_view>

namespace orvo {

inline constexpr std::size_t kShownLineBytes = std::size_t(64) << 10;

// The marker after a cut line; it names the line's whole length.
std::string cutLineMarker(std::size_t lineBytes);
// At least the length in bytes of what is shown of a line of `lineBytes`
// bytes, for the horizontal scroll range.
std::size_t shownLength(std::size_t lineBytes);
// Columns [first, first + count) of what is shown of `line`. A column is one
// UTF-8 character: a byte that is no continuation byte, with the
// continuation bytes after it.
std::string shownColumns(std::string_view line, std::size_t first, std::size_t count);
// All that is shown of `line`.
std::string shownText(std::string_view line);

}  // namespace orvo
