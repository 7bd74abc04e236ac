#pragma once
// The language part of the workbench state: the resolved list files of the
// current language and the languages the screen options offer.
#include <string>
#include <vector>

namespace orvo {

// Full paths of the current language's pair lists.
struct LanguageFiles {
    std::string formats;        // _FRM
    std::string printers;       // _PRN
    std::string destinations;   // _PRD
    std::string viewers;        // _VIEW
    std::string bibTeXEditors;  // _BIBED
    std::string spelling;       // _SPELL
    std::string utilities;      // _UTILS
    std::string projects;       // _PROJ
};

struct LanguageEntry {
    std::string name;         // shown in the choice
    std::string code;         // upper-case base name of the UI-string file
    std::string charsetName;  // from the file's header
};

struct LanguageChoice {
    std::vector<LanguageEntry> entries;
    int selected = -1;  // -1: nothing selected
};

}  // namespace orvo
