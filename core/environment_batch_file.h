#pragma once
// ORVOSET.BAT in the current folder: the `Environment` section, PATH and
// TEXEDIT as "set NAME=value" lines, with which a command window takes the
// workbench's environment. orvoset.sh beside it holds the same as
// "export NAME='value'" lines for `. ./orvoset.sh` in a terminal. Both are
// rewritten from ConfigFile each time, never from the process.
#include <string>

#include "core/environment_section.h"

namespace orvo {

class FileSystem;
struct Workbench;

inline constexpr const char* kEnvironmentBatchFile = "ORVOSET.BAT";
inline constexpr const char* kEnvironmentShellFile = "orvoset.sh";

// The lines of ORVOSET.BAT, each ending in CR LF.
std::string environmentBatchText(const EnvironmentEntries& entries, const std::string& savedPath,
                                 const std::string& texEdit);
// The lines of orvoset.sh. Names that are no shell variable names are left
// out; values are single-quoted, so nothing in them is expanded.
std::string environmentShellText(const EnvironmentEntries& entries, const std::string& savedPath,
                                 const std::string& texEdit);

// Writes both files into the current folder, each in one step, and records
// them as work files. A folder that cannot be written is no error: nothing
// is written and nothing said.
void writeEnvironmentBatchFile(Workbench& workbench, FileSystem& files);
// Deletes both files from the current folder, if they are there.
void deleteEnvironmentBatchFile(FileSystem& files);

}  // namespace orvo
