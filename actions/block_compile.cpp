#include "actions/block_compile.h"

#include "core/main_window_messages.h"
#include "core/one_value_template.h"
#include "core/path_names.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "core/command_words.h"
#include "jobs/launcher.h"
#include "jobs/script_calls.h"
#include "platform/clipboard.h"
#include "platform/file_system.h"

namespace orvo {
namespace {

constexpr const char* kLineEnd = "\r\n";

// Any line break of the clipboard becomes CR LF, like the lines around it.
std::string withCrLf(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            result += kLineEnd;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            result += kLineEnd;
        } else {
            result += c;
        }
    }
    return result;
}

// A previewer script named without a folder runs from the batch folder.
std::string viewerSetting(const Workbench& w) {
    std::string kind = toUpper(extensionOf(w.Viewer)).substr(0, 4);
    bool script = kind == ".BAT" || kind == ".BTM";
    return script && w.Viewer.find('/') == std::string::npos ? w.OrvoBTMDir + w.Viewer : w.Viewer;
}

}  // namespace

Preamble readPreamble(const std::string& text, const std::string& blockMarker) {
    Preamble preamble;
    std::string marker = toUpper(blockMarker);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        preamble.lines.push_back(line);
        if (toUpper(line).find(marker) != std::string::npos) {
            preamble.found = true;
            break;
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return preamble;
}

std::string blockDumpText(const Preamble& preamble, const std::string& block, const std::string& endMarker) {
    std::string text;
    for (const std::string& line : preamble.lines) text += line + kLineEnd;
    std::string body = withCrLf(block);
    if (!body.empty() && !endsWith(body, kLineEnd)) body += kLineEnd;
    return text + body + endMarker + kLineEnd;
}

std::string blockSettingsText(const Workbench& w, std::size_t startLine) {
    return "VIEWER=" + viewerSetting(w) + kLineEnd + "STARTLINE=" + std::to_string(startLine) + kLineEnd +
           "BLOCKLINENUMBER=" + w.block.lineNumber + kLineEnd + "BLOCKFILENAME=" + w.block.fileName + kLineEnd;
}

JobCommand blockCompileCommand(const Workbench& w) {
    MarkedTemplate format = takeMarkers(w.FormatName);
    return {scriptCall(w, "BLCKCOMP") + " " + quoteWordIfNeeded(w.MainFileName) +
                (w.AlwaysDevirtualize ? " DEVIRT" : " NODEVIRT") + " " + format.text,
            format};
}

BlockCompile::BlockCompile(Workbench& workbench, BlockCompileServices services)
    : workbench_(workbench), services_(services) {}

// When the editor reports the line itself, its macro starts the run; until
// then nothing runs, so Compile must not stay locked.
void BlockCompile::request() {
    workbench_.jobs.originatingDialog = kMainWindowNumber;
    if (services_.exchanges.fetchBlock() == BlockRunStart::Now) run();
    else workbench_.jobs.compileBusy = false;
}

void BlockCompile::fail(const std::string& text) {
    showOverMainWindow(services_.view, services_.ui,
                       {MessageKind::Error, text, MessageButtons::Ok, MessagePlacement::MainWindowCentre});
    workbench_.jobs.compileBusy = false;
}

void BlockCompile::run() {
    Workbench& w = workbench_;
    services_.launcher.changeFolder(w.mainPath);
    std::string mainFile = w.mainPath + w.MainFileName;
    std::optional<std::string> text = w.MainFileName.empty() ? std::nullopt : services_.files.readFile(mainFile);
    if (!text) return fail("Cannot read " + mainFile);

    Preamble preamble = readPreamble(*text, w.BlockMarker);
    if (!preamble.found) {
        services_.linesView.showLinesRead(preamble.lines);
        std::string message = Startup::messageText(w, kBlockMarkerMissingMessage, "Block marker $s not found");
        fail(fillOneValueTemplate(message, w.BlockMarker));
        services_.linesView.removeLinesRead();
        return;
    }
    std::string dump = w.mainPath + kBlockDumpFile;
    if (!services_.files.writeFileAtomically(dump, blockDumpText(preamble, services_.clipboard.text(), w.EndBlockMarker)))
        return fail("Cannot write " + dump);
    w.workFiles.written(dump);
    std::string settings = w.mainPath + kBlockSettingsFile;
    if (!services_.files.writeFileAtomically(settings, blockSettingsText(w, preamble.lines.size())))
        return fail("Cannot write " + settings);
    w.workFiles.written(settings);
    services_.launcher.run(blockCompileCommand(w), false);
}

}  // namespace orvo
