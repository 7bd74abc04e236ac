// UI-string files and the decoding of every text file the workbench shows:
// any bytes as the file, and after a NUL a character-set name.
// - Every decoded text is UTF-8; so is any Windows code page decoded.
// - A line fit for a control has no control characters, keeps the byte
//   limit and ends on a whole character.
// - Lines never hold an LF.
// - The header's name and character set are read without blanks.
#include <string>
#include <vector>

#include "core/text.h"
#include "core/text_decoding.h"
#include "core/ui_strings.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_file_system.h"

namespace orvo {
namespace {

using fuzz::check;

void checkDisplayable(const std::string& line, std::size_t maxBytes) {
    check(line.size() <= maxBytes, "a control's line keeps the limit", line);
    check(isValidUtf8(line), "a control's line is UTF-8", line);
    for (char c : line) {
        auto u = static_cast<unsigned char>(c);
        check(u >= 0x20 && u != 0x7F, "a control's line has no control characters", line);
    }
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 2);
    const std::string bytes(parts[0]);
    const std::string charset = fuzz::part(parts, 1);

    check(isValidUtf8(decodeWindowsCodePage(bytes, charset)), "a code page decodes to UTF-8");
    std::string text = textAsUtf8(bytes, charset);
    check(isValidUtf8(text), "a text file decodes to UTF-8");
    for (const std::string& line : splitTextLines(text)) {
        check(line.find('\n') == std::string::npos, "a line holds no LF", line);
    }
    std::size_t limit = bytes.empty() ? 0 : static_cast<unsigned char>(bytes.back());
    checkDisplayable(displayableLine(text, limit), limit);

    FakeFileSystem files;
    files.addFile("/opt/orvo/US.SCR", bytes);
    std::optional<std::vector<std::string>> lines = readUiStringFile(files, "/opt/orvo/US.SCR");
    check(lines.has_value(), "a file that is there is read");
    for (const std::string& line : *lines) checkDisplayable(line, kMaxUiTextBytes);
    if (!lines->empty()) {
        UiHeader header = parseUiHeader((*lines)[0]);
        check(header.name == trim(header.name) && header.charsetName == trim(header.charsetName),
              "the header's parts are trimmed", (*lines)[0]);
        charsetNumber(header.charsetName);
    }
    std::optional<std::vector<std::string>> listLines = readLanguageTextFile(files, "/opt/orvo/US.SCR", charset);
    check(listLines.has_value(), "a list file that is there is read");
    for (const std::string& line : *listLines) checkDisplayable(line, kMaxUiTextBytes);
    return 0;
}
