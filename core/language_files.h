#pragma once
// The files of an interface language in the list directory: which pair lists
// a language uses (with the US files as fallback), the help files, the
// language choice built from the UI-string files, and the dialog size
// factors.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/workbench.h"

namespace orvo {

class FileSystem;

inline constexpr const char* kFallbackLanguage = "US";

// Resolves the pair lists of `code`. The project list is resolved only when
// `withProjects` is set (at start-up); otherwise `files.projects` is kept.
void resolveLanguageFiles(const FileSystem& fs, const Workbench& workbench, const std::string& code,
                          bool withProjects, LanguageFiles& files);

struct HelpFiles {
    std::string helpFile;   // the language's help file, or the US one
    std::string topicList;  // its topic list
};
HelpFiles chooseHelpFiles(const FileSystem& fs, const std::string& btmDir, const std::string& code);

// The languages whose UI-string file ("*.scr", any case) is in `listDir`,
// sorted by file name ignoring case, with `orvoLanguage` selected (or the first).
LanguageChoice buildLanguageChoice(const FileSystem& fs, const std::string& listDir,
                                   const std::string& orvoLanguage);

// The 21 width/height factor pairs of a factor list ("name=factor" lines).
// A line that is no positive number keeps the factor in `factors`.
void readScreenFactorLines(const std::vector<std::string>& lines,
                           std::array<ScreenFactor, kDialogCount>& factors);

}  // namespace orvo
