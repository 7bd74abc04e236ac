#pragma once
// The parameter file beside each main file (base name + ".ORVOPAR"): the
// choices in force when the user last worked on the document, 15 lines read
// by position.
#include <string>
#include <vector>

namespace orvo {

struct Workbench;

inline constexpr const char* kParameterFileHeader = "This file is used by Orvo, do not delete/change it!";
inline constexpr int kParameterFileLines = 15;

std::string parameterFilePath(const std::string& mainPath, const std::string& mainFileName);
// The 15 lines, CR LF ended, with `currentFile` as the current file.
std::string parameterFileText(const Workbench& workbench, const std::string& currentFile);

// Takes the values of a parameter file's lines into the workbench. A short
// file restores what it has; the devirtualize flag then comes from its last
// line.
void takeParameterLines(const std::vector<std::string>& lines, Workbench& workbench);

// A main file without a parameter file that prints into a file gets a
// destination named after it: its path without extension + the extension of
// the destination's display text. True when the destination changed.
bool deriveFileDestination(Workbench& workbench);

}  // namespace orvo
