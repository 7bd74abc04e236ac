#include "editor/editor_startup.h"

#include "core/config_keys.h"
#include "core/ini_document.h"
#include "core/main_window_view.h"
#include "core/workbench.h"
#include "editor/editor_environment.h"
#include "editor/editor_profiles.h"

namespace orvo {

void loadEditorProfileAtStartup(Workbench& w, const IniDocument& config, Environment& environment,
                                MainWindowView& view, const FileSystem& files) {
    std::string base = w.EditorSection.empty() ? std::string(kDefaultEditorSection) : w.EditorSection;
    w.activeEditorSection = resolveActiveSection(config, base, w.OrvoLanguage);
    loadEditorProfile(w, config, ProfileFallback::Startup, files);
    setEditorEnvironment(w, environment, EditorEnvironmentForm::Startup);
    view.showChoice(ChoiceField::Editor, editorNameOf(w.activeEditorSection));
}

void reloadEditorProfileForLanguage(Workbench& w, const IniDocument& config, const FileSystem& files) {
    std::string base = profileBase(w.activeEditorSection);
    if (base.empty()) base = config.readString(key::EditorSection.section, key::EditorSection.name, "");
    if (base.empty()) base = std::string(kDefaultEditorSection);
    w.activeEditorSection = resolveActiveSection(config, base, w.OrvoLanguage);
    loadEditorProfile(w, config, ProfileFallback::Startup, files);
}

int autoSaveIntervalMs(const Workbench& w) {
    constexpr int kMsPerMinute = 60000;
    constexpr int kLongestMinutes = 35791;  // the longest period an int holds in milliseconds
    if (w.editor.AutoSave <= 0) return 0;
    return (w.editor.AutoSave > kLongestMinutes ? kLongestMinutes : w.editor.AutoSave) * kMsPerMinute;
}

}  // namespace orvo
