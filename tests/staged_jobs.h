#pragma once
// Jobs as the workbench runs them from the staged program folder: orvocmd
// as the command processor, the shipped scripts in the batch folder.
#include <string>

#include "core/workbench.h"
#include "core/command_words.h"
#include "jobs/script_calls.h"

namespace orvo::test {

inline void useStagedPrograms(Workbench& workbench, const std::string& stageFolder) {
    workbench.FourDosProgram = stageFolder + "orvocmd";
    workbench.FourDosOptions = "/c";
    workbench.OrvoBTMDir = stageFolder;
    workbench.batchExtension = "BTM";
}

// The compile's script call: the main file, no devirtualizing, LaTeX.
inline std::string compileCommand(const Workbench& workbench, const std::string& mainFile) {
    return scriptCall(workbench, "COMPILER") + " " + quoteWordIfNeeded(mainFile) + " N &web2cbin/latex";
}

}  // namespace orvo::test
