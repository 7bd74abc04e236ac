#include "actions/print_destination.h"

#include "core/command_markers.h"
#include "core/file_lookup.h"
#include "core/path_names.h"
#include "core/text.h"
#include "core/workbench.h"
#include "core/command_words.h"
#include "core/console_port.h"
#include "jobs/launcher.h"
#include "jobs/templates.h"
#include "platform/file_system.h"

namespace orvo {
namespace {

void runScript(Workbench& w, const DestinationServices& s, const std::string& script) {
    // `script` is a file found on disk: a path, never searched for markers.
    std::string path = trim(script);
    std::string command = quoteWordIfNeeded(path);
    if (!s.console) {
        s.launcher.startDirect(commandProcessorLine(w, command), true);
        return;
    }
    ConsolePort& console = *s.console;
    if (!console.exists()) console.ensureCreated();
    console.clearOutput();
    console.setCloseWhenDone(true);
    w.jobs.pendingConsoleCommand = commandProcessorLine(w, command);
    console.appendLine(path);
    console.appendLine("");
    console.appendLine("");
    // Whatever "Grab console output" says: the destination is known only
    // once the script has ended.
    console.showModal();
}

// The first character goes whole: a UTF-8 sequence is never cut in half.
void dropFirstCharacter(std::string& text) {
    if (text.empty()) return;
    std::size_t end = 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    text.erase(0, end);
}

}  // namespace

std::string destinationScriptPath(const Workbench& w) {
    std::string path = takeMarkers(w.PrinterPort).text;
    if (folderOf(path).empty()) path = w.OrvoSelectionsOptionsDir + path;
    path = expandDestinationPlaceholders(path, w.OrvoBTMDir, w.Web2cBINDir, w.OrvoSelectionsOptionsDir);
    // "&ORVOBTMDIR/PRNQUEUE.BTM": the folder already ends in '/'.
    return collapseDoubledSlashes(path);
}

void redirectPrintDestination(Workbench& w, const DestinationServices& s) {
    w.portScript.clear();
    if (w.PrinterPort.find('.') == std::string::npos) return;
    std::string resolved = destinationScriptPath(w);
    if (std::optional<std::string> script = findFileIgnoringCase(s.files, resolved)) {
        runScript(w, s, *script);
        w.portScript = *script;
        std::optional<std::string> text = s.files.readFile(*script);
        if (!text) return;
        // Up to the first line break of any kind: a script saved with CR
        // line ends names its destination on its first line too.
        w.PrinterPort = firstLine(*text);
    } else {
        w.portScript = resolved;
    }
    w.PrinterPort = trim(w.PrinterPort);
    dropFirstCharacter(w.PrinterPort);
}

}  // namespace orvo
