#include "actions/compile_commands.h"

#include "actions/batch_folder.h"
#include "core/command_markers.h"
#include "core/text.h"
#include "core/workbench.h"
#include "core/command_words.h"
#include "jobs/script_calls.h"
#include "jobs/templates.h"

namespace orvo {
namespace {

// A file name the user chose reaches the script as one word, whatever it holds.
std::string mainFileWord(const Workbench& w) { return quoteWordIfNeeded(w.MainFileName); }

}  // namespace

std::string devirtualizeFlag(const Workbench& w) { return w.AlwaysDevirtualize ? " Y" : " N"; }

bool hasCustomCompileScript(const Workbench& w) { return hasFourDosMarker(w.FormatName); }

JobCommand customCompileCommand(const Workbench& w) {
    MarkedTemplate script = takeMarkers(w.FormatName);
    return {inBatchFolder(w, script.text) + " " + mainFileWord(w) + devirtualizeFlag(w), script};
}

JobCommand scriptModeCommand(const Workbench& w) {
    if (hasCustomCompileScript(w)) return customCompileCommand(w);
    MarkedTemplate format = takeMarkers(w.FormatName);
    return {scriptCall(w, "COMPILER") + " " + mainFileWord(w) + devirtualizeFlag(w) + " " + format.text, format};
}

std::string formatCommand(const Workbench& w) {
    return expandFormatWeb2cPrefix(takeMarkers(w.FormatName).text, w.Web2cBINDir);
}

std::string texInputName(const Workbench& w) {
    const std::string& name = w.MainFileName;
    bool blanks = name.find_first_of(" \t\n\r\f\v") != std::string::npos;
    bool special = !name.empty() && std::string_view("-&\\*").find(name.front()) != std::string_view::npos;
    return blanks || special ? "\"" + name + "\"" : name;
}

std::string directCompileLine(const Workbench& w) { return formatCommand(w) + " " + quoteWord(texInputName(w)); }

std::string devirtCommand(const Workbench& w) {
    return scriptCall(w, "DEVIRT") + " " + quoteWordIfNeeded(w.mainPath + w.MainFileName) + " noquit";
}

}  // namespace orvo
