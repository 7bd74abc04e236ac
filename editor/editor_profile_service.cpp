#include "editor/editor_profile_service.h"

#include "editor/editor_profiles.h"
#include "editor/editor_startup.h"

namespace orvo {

void EditorProfileService::loadAtStartup(const IniDocument& config) {
    loadEditorProfileAtStartup(workbench_, config, services_.environment, services_.view, services_.files);
}

void EditorProfileService::reloadForLanguage(const IniDocument& config) {
    reloadEditorProfileForLanguage(workbench_, config, services_.files);
}

// A failed write has been reported by the writer.
void EditorProfileService::writeFirstRunProfiles(ConfigFile& firstConfig) {
    writeDefaultEditorProfiles(workbench_, firstConfig, services_);
}

void EditorProfileSection::write(const Workbench& workbench, IniDocument& config) const {
    writeEditorProfile(workbench, config);
}

}  // namespace orvo
