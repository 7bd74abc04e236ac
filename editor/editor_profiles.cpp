#include "editor/editor_profiles.h"

#include <algorithm>

#include "core/config_keys.h"
#include "core/ini_document.h"
#include "core/text.h"
#include "core/workbench.h"

namespace orvo {
namespace {

struct TextKey {
    std::string_view name;
    std::string EditorProfile::*field;
};

// The text keys of the record, in the order they are written.
constexpr TextKey kTextKeys[] = {
    {profileKey::Editor, &EditorProfile::Editor},
    {profileKey::EditorClassName, &EditorProfile::EditorClassName},
    {profileKey::LogFileViewer, &EditorProfile::LogFileViewer},
    {profileKey::DDEEditService, &EditorProfile::DDEEditService},
    {profileKey::DDEEditTopic, &EditorProfile::DDEEditTopic},
    {profileKey::DDEEditQuit, &EditorProfile::DDEEditQuit},
    {profileKey::DDEEditSaveCommand, &EditorProfile::DDEEditSaveCommand},
    {profileKey::DDEEditChanged, &EditorProfile::DDEEditChanged},
    {profileKey::DDEEditForeground, &EditorProfile::DDEEditForeground},
    {profileKey::DDEBlockService, &EditorProfile::DDEBlockService},
    {profileKey::DDEBlockTopic, &EditorProfile::DDEBlockTopic},
    {profileKey::DDEBlockFileNameMode, &EditorProfile::DDEBlockFileNameMode},
    {profileKey::DDEBlockFileName, &EditorProfile::DDEBlockFileName},
    {profileKey::DDEBlockLineNumberMode, &EditorProfile::DDEBlockLineNumberMode},
    {profileKey::DDEBlockLineNumber, &EditorProfile::DDEBlockLineNumber},
    {profileKey::DDEBlockCutCommand, &EditorProfile::DDEBlockCutCommand},
    {profileKey::DDEBlockPasteCommand, &EditorProfile::DDEBlockPasteCommand},
    {profileKey::StartEditorWithProgram, &EditorProfile::StartEditorWithProgram},
};

constexpr std::string_view kFallbackLanguage = "US";
// The start-up set is Emacs's profile (the editor the workbench drives), the
// choice set that of a plain editor started by name.
constexpr std::string_view kStartupFallbackEditor = "Emacs";
constexpr std::string_view kChoiceFallbackEditor = "gedit";

}  // namespace

bool isExecuteMode(std::string_view mode) { return toUpper(mode).find("EXECUTE") != std::string::npos; }

std::string profileBase(std::string_view section) { return std::string(section.substr(0, section.find('_'))); }

std::string editorNameOf(std::string_view section) {
    std::size_t colon = section.find(':');
    if (colon == std::string_view::npos) return {};
    std::string_view rest = section.substr(colon + 1);
    return std::string(rest.substr(0, rest.find('_')));
}

std::string resolveActiveSection(const IniDocument& config, std::string_view base, std::string_view language) {
    std::string section = std::string(base) + "_" + std::string(language);
    if (!config.readString(section, profileKey::Editor, "").empty()) return section;
    return std::string(base) + "_" + std::string(kFallbackLanguage);
}

ProfileValues fallbackProfile(ProfileFallback fallback, const Workbench& w, const FileSystem& files) {
    if (fallback == ProfileFallback::Startup) {
        const KnownEditor& emacs = *findKnownEditor(kStartupFallbackEditor);
        ProfileValues v = knownEditorProfile(emacs, std::string(emacs.program), w, files);
        // Unlike the written profile, the fallback leaves the file unquoted.
        v.TeXEdit = replaceAll(v.TeXEdit, "\"%s\"", "%s");
        return v;
    }
    const KnownEditor& plain = *findKnownEditor(kChoiceFallbackEditor);
    ProfileValues v = knownEditorProfile(plain, std::string(plain.program), w, files);
    v.TeXEdit.clear();
    return v;
}

void loadEditorProfile(Workbench& w, const IniDocument& config, ProfileFallback fallback, const FileSystem& files) {
    const std::string& section = w.activeEditorSection;
    ProfileValues defaults = fallbackProfile(fallback, w, files);
    for (const TextKey& key : kTextKeys) {
        w.editor.*key.field = config.readString(section, key.name, defaults.profile.*key.field);
    }
    w.editor.AutoSave = config.readInteger(section, profileKey::AutoSave, defaults.profile.AutoSave);
    if (fallback == ProfileFallback::Choice) {
        const KnownEditor& plain = *findKnownEditor(kChoiceFallbackEditor);
        defaults.TeXEdit = w.editor.Editor + " " + std::string(plain.lineArguments);
    }
    w.TeXEdit = config.readString(section, profileKey::TeXEdit, defaults.TeXEdit);
    w.KillEditorProcesses = config.readString(section, profileKey::KillEditorProcesses, defaults.KillEditorProcesses);
}

std::vector<std::string> listEditors(const IniDocument& config) {
    std::vector<std::string> names;
    for (const std::string& section : config.sectionNames()) {
        if (section.find(kEditorSectionPrefix) == std::string::npos) continue;
        std::string name = section.size() > kEditorSectionPrefix.size()
                               ? section.substr(kEditorSectionPrefix.size())
                               : std::string();
        name = name.substr(0, name.find('_'));
        // A later section of the same editor takes its place.
        names.erase(std::remove(names.begin(), names.end(), name), names.end());
        names.push_back(name);
    }
    return names;
}

void writeProfileSection(IniDocument& config, const std::string& section, const ProfileValues& values) {
    config.writeString(section, profileKey::Editor, values.profile.Editor);
    config.writeString(section, profileKey::EditorClassName, values.profile.EditorClassName);
    config.writeString(section, profileKey::TeXEdit, values.TeXEdit);
    config.writeString(section, profileKey::KillEditorProcesses, values.KillEditorProcesses);
    config.writeInteger(section, profileKey::AutoSave, values.profile.AutoSave);
    for (const TextKey& key : kTextKeys) {
        if (key.name != profileKey::Editor && key.name != profileKey::EditorClassName)
            config.writeString(section, key.name, values.profile.*key.field);
    }
}

void writeEditorProfile(const Workbench& w, IniDocument& config) {
    if (w.activeEditorSection.find('_') == std::string::npos) return;
    writeProfileSection(config, w.activeEditorSection, {w.editor, w.TeXEdit, w.KillEditorProcesses});
}

}  // namespace orvo
