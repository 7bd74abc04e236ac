#include "core/ui_strings.h"

#include <charconv>

#include "core/text.h"
#include "core/text_decoding.h"
#include "platform/file_system.h"

namespace orvo {
namespace {

std::vector<std::string> decodedLines(const std::string& bytes, std::string_view charsetName) {
    std::vector<std::string> lines = splitTextLines(textAsUtf8(bytes, charsetName));
    for (std::string& line : lines) line = displayableLine(line, kMaxUiTextBytes);
    return lines;
}

}  // namespace

UiHeader parseUiHeader(std::string_view line) {
    std::size_t plus = line.find('+');
    if (plus == std::string_view::npos) return {"", trim(line)};
    return {trim(line.substr(0, plus)), trim(line.substr(plus + 1))};
}

int charsetNumber(std::string_view charsetName) {
    std::string name = trim(charsetName);
    if (equalsIgnoringCase(name, "EASTEUROPE")) return 238;
    if (equalsIgnoringCase(name, "RUSSIAN")) return 204;
    int number = 0;
    auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (!name.empty() && error == std::errc() && end == name.data() + name.size()) return number;
    return 0;
}

std::optional<std::vector<std::string>> readUiStringFile(const FileSystem& files, const std::string& path) {
    std::optional<std::string> bytes = files.readFile(path);
    if (!bytes) return std::nullopt;
    // The header names the code page of a file that is not UTF-8; it is
    // ASCII in every language, so it can be read before decoding.
    std::string_view firstLine = std::string_view(*bytes).substr(0, bytes->find('\n'));
    return decodedLines(*bytes, parseUiHeader(firstLine).charsetName);
}

std::optional<std::vector<std::string>> readLanguageTextFile(const FileSystem& files, const std::string& path,
                                                             std::string_view charsetName) {
    std::optional<std::string> bytes = files.readFile(path);
    if (!bytes) return std::nullopt;
    return decodedLines(*bytes, charsetName);
}

}  // namespace orvo
