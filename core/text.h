#pragma once
// Byte-string helpers shared by every logic folder. Case rules are ASCII only:
// the workbench compares keys, markers and file names that way.
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

// Without leading and trailing blanks (space, tab, CR, LF).
std::string trim(std::string_view text);
std::string trimLeft(std::string_view text);
// CR and LF each become a blank, so the text fits on one line of a file.
std::string withoutLineBreaks(std::string_view text);
// The text up to its first CR or LF: the line a one-line answer counts.
std::string firstLine(std::string_view text);
std::string toUpper(std::string_view text);
std::string toLower(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
bool startsWith(std::string_view text, std::string_view prefix);
bool endsWith(std::string_view text, std::string_view suffix);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);
bool endsWithIgnoringCase(std::string_view text, std::string_view suffix);
// Position of `needle` in `text` ignoring case, or npos.
std::size_t findIgnoringCase(std::string_view text, std::string_view needle);
// Parts between `separator`s; an empty text gives no parts, empty parts stay.
std::vector<std::string> split(std::string_view text, char separator);
// Every occurrence, left to right, searching on after each inserted value.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace orvo
