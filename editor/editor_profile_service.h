#pragma once
// The active editor profile as start-up, a first run and the interface
// language drive it, and its section in every ConfigFile pass.
#include "core/active_editor_profile.h"
#include "core/config_section_writer.h"
#include "editor/default_editor_profiles.h"

namespace orvo {

class EditorProfileService : public ActiveEditorProfile {
public:
    EditorProfileService(Workbench& workbench, DefaultProfileServices services)
        : workbench_(workbench), services_(services) {}

    void loadAtStartup(const IniDocument& config) override;
    void reloadForLanguage(const IniDocument& config) override;
    void writeFirstRunProfiles(ConfigFile& firstConfig) override;

private:
    Workbench& workbench_;
    DefaultProfileServices services_;
};

// The active profile's keys, written after `System`.
class EditorProfileSection : public ConfigSectionWriter {
public:
    void write(const Workbench& workbench, IniDocument& config) const override;
};

}  // namespace orvo
