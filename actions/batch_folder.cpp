#include "actions/batch_folder.h"

#include "core/path_names.h"
#include "core/text.h"
#include "core/workbench.h"
#include "core/command_words.h"

namespace orvo {

std::string entryKind(std::string_view entry) { return toUpper(extensionOf(entry)).substr(0, 4); }

bool isScriptKind(std::string_view kind) { return kind == ".BAT" || kind == ".BTM"; }

std::string inBatchFolder(const Workbench& w, std::string_view entry) {
    CommandLineParts parts = splitProgramPart(entry);
    std::vector<std::string> words = splitCommandLine(parts.program);
    if (words.empty() || !folderOf(words.front()).empty()) return std::string(entry);
    std::string program = quoteWordIfNeeded(w.OrvoBTMDir + words.front());
    return parts.parameters.empty() ? program : program + " " + parts.parameters;
}

}  // namespace orvo
