#pragma once
// The command lines of a compile of the main file, as pure text functions
// over the workbench state. The main file is named by `MainFileName` alone:
// the compile runs in the main folder.
#include <string>

#include "jobs/job_command.h"

namespace orvo {

struct Workbench;

// " Y" when `AlwaysDevirtualize` is on, " N" otherwise.
std::string devirtualizeFlag(const Workbench& workbench);

// A format entry holding "&4DOS" names a compile script of the user's own.
bool hasCustomCompileScript(const Workbench& workbench);
// That script (with `OrvoBTMDir` in front when it has no folder), a blank,
// the main file and the devirtualize flag.
JobCommand customCompileCommand(const Workbench& workbench);

// COMPILER in the batch folder, the main file, the devirtualize flag, a
// blank and the format entry without its markers; or the custom compile
// command. The format entry's markers decide the capture.
JobCommand scriptModeCommand(const Workbench& workbench);

// The format entry without its markers, its "&web2cbin" prefix expanded.
std::string formatCommand(const Workbench& workbench);
// The main file as the engine's first input line: a name the engine would
// take for an option, a format or a command ("-", "&", "\\" or "*" in front),
// or one holding blanks, in TeX's own double quotes, as COMPILER gives it.
std::string texInputName(const Workbench& workbench);
// The format command and that name, one word in double quotes.
std::string directCompileLine(const Workbench& workbench);

// DEVIRT in the batch folder with the main file's full path and "noquit".
std::string devirtCommand(const Workbench& workbench);

}  // namespace orvo
