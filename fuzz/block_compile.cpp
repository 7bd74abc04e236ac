// Block compile's readers: the main file searched for the block marker, the
// block the editor put on the clipboard, and the file name and line number
// the editor answers. The input is the main file, then after NULs the
// marker, the block, the editor's two answers and a byte picking the modes.
// - The preamble is the file's lines up to the first holding the marker, or
//   all of them when none does.
// - _DUMP_.TEX ends every line in CR LF and ends with the end marker.
// - _DUMP_.SET has its four settings on four lines, whatever the editor said.
#include <string>
#include <vector>

#include "actions/block_compile.h"
#include "core/text.h"
#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_dde.h"
#include "platform/fake/fake_other_windows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    using fuzz::check;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 6);
    const std::string text(parts[0]);
    const std::string marker = parts.size() > 1 ? fuzz::part(parts, 1) : std::string("%%%%%%%%");
    const std::string block = fuzz::part(parts, 2);
    const std::string modes = fuzz::part(parts, 5);

    Preamble preamble = readPreamble(text, marker);
    std::size_t lines = 0;
    for (const std::string& line : preamble.lines) {
        check(line.find('\n') == std::string::npos, "a preamble line is one line", line);
        ++lines;
    }
    if (preamble.found) {
        check(findIgnoringCase(preamble.lines.back(), marker) != std::string::npos, "the last line holds the marker");
        for (std::size_t i = 0; i + 1 < lines; ++i) {
            check(findIgnoringCase(preamble.lines[i], marker) == std::string::npos, "the first marker ends the preamble");
        }
    } else {
        std::size_t breaks = 0;
        for (char c : text) breaks += c == '\n';
        check(lines == breaks + (text.empty() || text.back() == '\n' ? 0 : 1), "without a marker, every line");
    }
    std::string dump = blockDumpText(preamble, block, "\\end{document}");
    check(endsWith(dump, "\\end{document}\r\n"), "the dump ends with the end marker");
    for (std::size_t at = dump.find('\n'); at != std::string::npos; at = dump.find('\n', at + 1)) {
        check(at > 0 && dump[at - 1] == '\r', "every dump line ends in CR LF");
    }

    Workbench w;
    w.editor.EditorClassName = "Emacs";
    w.editor.DDEEditService = w.editor.DDEBlockService = "Emacs";
    w.editor.DDEEditTopic = w.editor.DDEBlockTopic = "orvo";
    w.editor.DDEBlockCutCommand = "(orvo-cut)";
    w.editor.DDEBlockPasteCommand = "(orvo-paste)";
    w.editor.DDEBlockFileName = "file";
    w.editor.DDEBlockLineNumber = "line";
    w.editor.DDEBlockFileNameMode = !modes.empty() && (modes[0] & 1) ? "Execute" : "Request";
    w.editor.DDEBlockLineNumberMode = !modes.empty() && (modes[0] & 2) ? "Execute" : "Request";
    w.Viewer = "xdvi";
    FakeDdeClient dde;
    dde.addServer("Emacs", "orvo");
    dde.replies["file"] = fuzz::part(parts, 3);
    dde.replies["line"] = fuzz::part(parts, 4);
    FakeOtherWindows windows;
    windows.open["Emacs"] = 1;
    EditorExchanges exchanges(w, {dde, windows, {}});
    exchanges.fetchBlock();

    std::string settings = blockSettingsText(w, preamble.lines.size());
    std::vector<std::string> settingLines = split(settings, '\n');
    check(settingLines.size() == 5 && settingLines.back().empty(), "four settings on four lines", settings);
    const char* names[] = {"VIEWER=", "STARTLINE=", "BLOCKLINENUMBER=", "BLOCKFILENAME="};
    for (std::size_t i = 0; i < 4; ++i) {
        check(startsWith(settingLines[i], names[i]) && endsWith(settingLines[i], "\r"), "a setting is one line",
              settingLines[i]);
        check(settingLines[i].find('\r') == settingLines[i].size() - 1, "a setting holds no CR", settingLines[i]);
    }
    return 0;
}
