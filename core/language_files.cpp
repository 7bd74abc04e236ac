#include "core/language_files.h"

#include <algorithm>

#include "core/file_lookup.h"
#include "core/ini_document.h"
#include "core/path_names.h"
#include "core/text.h"
#include "core/text_decoding.h"
#include "core/ui_strings.h"
#include "core/window_scale.h"
#include "platform/file_system.h"

namespace orvo {
namespace {

std::string listFileName(const std::string& code, const char* kind) {
    return code + "_" + kind + ".LST";
}

// The language's own list, or the US one (kept even when that is missing too).
std::string resolveList(const FileSystem& fs, const std::string& listDir, const std::string& code,
                        const char* kind) {
    if (auto own = findFileIgnoringCase(fs, listDir + listFileName(code, kind))) return *own;
    return existingOrDerivedName(fs, listDir + listFileName(kFallbackLanguage, kind));
}

// The spelling list of the spell-checker's folder wins, even its US one,
// over the list directory's.
std::string resolveSpellingList(const FileSystem& fs, const Workbench& w, const std::string& code) {
    const std::string own = listFileName(code, "SPELL");
    const std::string fallback = listFileName(kFallbackLanguage, "SPELL");
    for (const std::string& candidate :
         {w.UserSpellDirectory + own, w.UserSpellDirectory + fallback, w.OrvoSelectionsOptionsDir + own}) {
        if (auto found = findFileIgnoringCase(fs, candidate)) return *found;
    }
    return existingOrDerivedName(fs, w.OrvoSelectionsOptionsDir + fallback);
}

std::string helpFileOf(const std::string& btmDir, const std::string& code) {
    return btmDir + code + "_ORVO.CHM";
}

std::string topicListOf(const std::string& btmDir, const std::string& code) {
    return btmDir + "HELP/" + code + "/ORVO5/ORVO5.LST";
}

}  // namespace

void resolveLanguageFiles(const FileSystem& fs, const Workbench& workbench, const std::string& code,
                          bool withProjects, LanguageFiles& files) {
    const std::string& listDir = workbench.OrvoSelectionsOptionsDir;
    files.formats = resolveList(fs, listDir, code, "FRM");
    files.printers = resolveList(fs, listDir, code, "PRN");
    files.destinations = resolveList(fs, listDir, code, "PRD");
    files.viewers = resolveList(fs, listDir, code, "VIEW");
    files.bibTeXEditors = resolveList(fs, listDir, code, "BIBED");
    files.utilities = resolveList(fs, listDir, code, "UTILS");
    files.spelling = resolveSpellingList(fs, workbench, code);
    if (withProjects) files.projects = resolveList(fs, listDir, code, "PROJ");
}

HelpFiles chooseHelpFiles(const FileSystem& fs, const std::string& btmDir, const std::string& code) {
    HelpFiles help;
    std::optional<std::string> ownHelpFile = findFileIgnoringCase(fs, helpFileOf(btmDir, code));
    help.helpFile = ownHelpFile ? *ownHelpFile : existingOrDerivedName(fs, helpFileOf(btmDir, kFallbackLanguage));
    if (ownHelpFile) {
        help.topicList = existingOrDerivedName(fs, topicListOf(btmDir, code));
        return help;
    }
    // Help here is the HTML pages of the topic list, so a language without
    // a compiled help file still has its own pages when its list is there.
    std::optional<std::string> ownTopics = findFileIgnoringCase(fs, topicListOf(btmDir, code));
    help.topicList = ownTopics ? *ownTopics : existingOrDerivedName(fs, topicListOf(btmDir, kFallbackLanguage));
    return help;
}

LanguageChoice buildLanguageChoice(const FileSystem& fs, const std::string& listDir,
                                   const std::string& orvoLanguage) {
    std::vector<std::string> names;
    for (const std::string& name : fs.listDirectory(listDir)) {
        if (name.size() > 4 && endsWithIgnoringCase(name, ".scr") && fs.fileExists(listDir + name))
            names.push_back(name);
    }
    // Folder listings come in no useful order; the choice reads by file name.
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return toUpper(a) < toUpper(b); });
    LanguageChoice choice;
    for (const std::string& name : names) {
        std::optional<std::string> bytes = fs.readFile(listDir + name);
        if (!bytes) continue;  // only languages that can be read are offered
        std::string_view rawHeader = std::string_view(*bytes).substr(0, bytes->find('\n'));
        UiHeader raw = parseUiHeader(rawHeader);
        UiHeader header = parseUiHeader(displayableLine(textAsUtf8(rawHeader, raw.charsetName), kMaxUiTextBytes));
        choice.entries.push_back({header.name, toUpper(baseName(name)), header.charsetName});
    }
    for (std::size_t i = 0; i < choice.entries.size(); ++i) {
        if (equalsIgnoringCase(choice.entries[i].code, orvoLanguage)) {
            choice.selected = int(i);
            break;
        }
    }
    if (choice.selected < 0 && !choice.entries.empty()) choice.selected = 0;
    return choice;
}

void readScreenFactorLines(const std::vector<std::string>& lines, std::array<ScreenFactor, kDialogCount>& factors) {
    for (int n = 0; n < kDialogCount; ++n) {
        double* targets[2] = {&factors[n].x, &factors[n].y};
        for (int axis = 0; axis < 2; ++axis) {
            std::size_t index = std::size_t(2 * n + axis);
            if (index >= lines.size()) return;
            std::size_t equals = lines[index].find('=');
            if (equals == std::string::npos) continue;
            std::optional<double> factor = parseIniReal(trim(std::string_view(lines[index]).substr(equals + 1)));
            // A zero or negative factor would collapse the dialog, a huge one
            // is no size either.
            if (factor && isUsableScreenFactor(*factor)) *targets[axis] = *factor;
        }
    }
}

}  // namespace orvo
