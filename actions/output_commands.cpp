#include "actions/output_commands.h"

#include "actions/batch_folder.h"
#include "core/command_markers.h"
#include "core/path_names.h"
#include "core/text.h"
#include "core/workbench.h"
#include "core/command_words.h"

namespace orvo {
namespace {

// A command entry that is a script: with the batch folder in front.
std::string programEntry(const Workbench& w, const std::string& entry) {
    return isScriptKind(entryKind(entry)) ? inBatchFolder(w, entry) : entry;
}

}  // namespace

std::string previewArgument(const Workbench& w) { return quoteWord(w.mainPath + baseName(w.MainFileName)); }

std::string previewCommand(const Workbench& w) {
    return programEntry(w, takeMarkers(w.Viewer).text) + " " + previewArgument(w);
}

std::string printOptionTail(const PrintOptionInputs& in) {
    std::string destination = trim(in.destination);
    std::string tail = trim(in.printerOptions) + " ";
    if (!destination.empty()) {
        // A file or network path is one word, whatever it holds.
        bool quoted = destination.find('/') != std::string::npos;
        tail += in.outputFileOption + (quoted ? " " + quoteWord(destination) : destination);
    }
    return in.stripSpace ? stripSpaces(tail, destination) : tail;
}

std::string stripSpaces(std::string_view tail, std::string_view destination) {
    std::string text(tail);
    std::string port = trim(destination);
    std::size_t portAt = port.empty() ? std::string::npos : text.find(port);
    std::string options = text.substr(0, portAt);
    std::string rest = portAt == std::string::npos ? std::string() : text.substr(portAt);
    if (portAt != std::string::npos) std::erase(options, ' ');
    std::string spaced;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (i > 0 && options[i] == '-' && options[i - 1] != ' ') spaced += ' ';
        spaced += options[i];
    }
    return spaced + rest;
}

std::string printCommand(const Workbench& w, std::string_view optionTail, std::string_view dviFile) {
    return programEntry(w, takeMarkers(w.Printer).text) + " " + std::string(optionTail) + " " + quoteWord(dviFile);
}

bool printerNeedsCommandProcessor(const Workbench& w) {
    MarkedTemplate printer = takeMarkers(w.Printer);
    return isScriptKind(entryKind(w.Printer)) || printer.fourDos || printer.noRedir;
}

bool previewerNeedsCommandProcessor(const Workbench& w) {
    MarkedTemplate viewer = takeMarkers(w.Viewer);
    return isScriptKind(entryKind(w.Viewer)) || viewer.fourDos || viewer.noRedir;
}

}  // namespace orvo
