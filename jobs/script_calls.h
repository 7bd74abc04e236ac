#pragma once
// Calls of the batch scripts in the batch folder `OrvoBTMDir`, with the
// extension chosen at start-up (BatchExtension).
#include <string>
#include <string_view>

namespace orvo {

struct Workbench;

// `OrvoBTMDir`, `name`, "." and BatchExtension, as one word of a command
// line (quoted when the folder holds blanks).
std::string scriptCall(const Workbench& workbench, std::string_view name);

// The start-up job: AUTOSTART with the main file name and, when there is a
// current file, the current file in double quotes. The main file name is
// quoted too when it would not stay one word (blanks, quotes, or empty
// while a current file follows), so the script sees its arguments in place.
std::string autostartCommand(const Workbench& workbench);

// The quit job as the command processor runs it: CLOSING, no arguments.
std::string closingScriptLine(const Workbench& workbench);

}  // namespace orvo
