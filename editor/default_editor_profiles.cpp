#include "editor/default_editor_profiles.h"

#include "core/config_file.h"
#include "core/config_keys.h"
#include "core/search_path.h"
#include "core/workbench.h"
#include "editor/editor_profiles.h"
#include "editor/editor_startup.h"

namespace orvo {
namespace {

constexpr const char* kDefaultProfileLanguage = "US";

std::string sectionOf(const KnownEditor& editor) {
    return std::string(kEditorSectionPrefix) + std::string(editor.name) + "_" + kDefaultProfileLanguage;
}

}  // namespace

bool writeDefaultEditorProfiles(Workbench& w, ConfigFile& config, const DefaultProfileServices& services) {
    std::string best;
    for (const KnownEditor& editor : knownEditors()) {
        std::string folder = findFolderOnPath(std::string(editor.program), services.files, services.environment);
        if (folder.empty()) continue;
        ProfileValues values = knownEditorProfile(editor, folder + std::string(editor.program), w, services.files);
        writeProfileSection(config.document(), sectionOf(editor), values);
        if (best.empty()) best = profileBase(sectionOf(editor));
    }
    if (!best.empty()) config.setText(key::EditorSection, best);
    if (!config.save()) {
        reportConfigWriteFailure(config, w, services.ui);
        return false;
    }
    if (best.empty()) return true;
    w.EditorSection = best;
    loadEditorProfileAtStartup(w, config.document(), services.environment, services.view, services.files);
    return true;
}

}  // namespace orvo
