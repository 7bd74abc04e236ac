#pragma once
// Turning the bytes of a shipped or user-edited text file into lines of UTF-8.
// Shipped files are UTF-8; a file that is not is taken as the Windows code
// page its character-set name implies (WESTERN 1252, EASTEUROPE 1250,
// RUSSIAN 1251), the way such files were written.
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

bool isValidUtf8(std::string_view text);
std::string decodeWindowsCodePage(std::string_view bytes, std::string_view charsetName);
// The text as UTF-8: unchanged when it already is (a byte-order mark is
// dropped), otherwise decoded from the code page of `charsetName`.
std::string textAsUtf8(std::string_view bytes, std::string_view charsetName);
// Lines separated by LF or CR LF; a final line break adds no empty line.
std::vector<std::string> splitTextLines(std::string_view text);
// A line fit for a control: tabs become blanks, other control characters
// (binary bytes) are dropped, and the text is cut to `maxBytes` at a
// character boundary.
std::string displayableLine(std::string_view line, std::size_t maxBytes);

}  // namespace orvo
