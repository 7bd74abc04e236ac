#include "jobs/script_calls.h"

#include "core/workbench.h"
#include "core/command_words.h"
#include "jobs/launcher.h"

namespace orvo {

std::string scriptCall(const Workbench& workbench, std::string_view name) {
    return quoteWordIfNeeded(workbench.OrvoBTMDir + std::string(name) + "." + workbench.batchExtension);
}

std::string autostartCommand(const Workbench& w) {
    std::string command = scriptCall(w, "AUTOSTART") + " ";
    if (w.CurrentFileName.empty()) return command + (w.MainFileName.empty() ? "" : quoteWordIfNeeded(w.MainFileName));
    return command + quoteWordIfNeeded(w.MainFileName) + " " + quoteWord(w.CurrentFileName);
}

std::string closingScriptLine(const Workbench& workbench) {
    return commandProcessorLine(workbench, scriptCall(workbench, "CLOSING"));
}

}  // namespace orvo
