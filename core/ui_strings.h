#pragma once
// UI-string files (US.SCR, DE.SCR ...): one text per line, addressed by line
// number from 0. Line 0 is the header: the language's name, "+", and the
// character-set name.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

class FileSystem;

struct UiHeader {
    std::string name;
    std::string charsetName;
};

// The longest text a line may give a control; longer lines are cut.
inline constexpr std::size_t kMaxUiTextBytes = 4096;

// Without "+" the name is empty and the whole line is the character-set name.
UiHeader parseUiHeader(std::string_view line);
// The font character set a character-set name selects: EASTEUROPE 238,
// RUSSIAN 204, a decimal number itself, anything else 0.
int charsetNumber(std::string_view charsetName);
// The lines of a UI-string file as UTF-8 texts fit for controls, or nothing
// when the file cannot be read.
std::optional<std::vector<std::string>> readUiStringFile(const FileSystem& files, const std::string& path);
// The lines of a language's list file (pair list, free text), decoded with
// the language's character set when not UTF-8; nothing when unreadable.
std::optional<std::vector<std::string>> readLanguageTextFile(const FileSystem& files, const std::string& path,
                                                             std::string_view charsetName);

}  // namespace orvo
