#pragma once
// The active editor profile as start-up, a first run and the interface
// language need it: loaded from ConfigFile, reloaded for a new language,
// and written for every editor a first run finds.
namespace orvo {

class ConfigFile;
class IniDocument;

class ActiveEditorProfile {
public:
    virtual ~ActiveEditorProfile() = default;
    // The stored profile for the interface language, with its environment,
    // and the editor's name shown.
    virtual void loadAtStartup(const IniDocument& config) = 0;
    // The same editor in the language now in force.
    virtual void reloadForLanguage(const IniDocument& config) = 0;
    // A first run's ConfigFile pass, which holds everything else of the first
    // file by now: a profile for every editor found is added, the best of
    // them named in `EditorSection`, the pass written (its one write) and,
    // once it is written, the best editor made active. A failed write has
    // been reported then.
    virtual void writeFirstRunProfiles(ConfigFile& firstConfig) = 0;
};

// No editor profiles: the workbench state keeps the profile it holds, and
// start-up writes a first run's pass itself.
class NullActiveEditorProfile : public ActiveEditorProfile {
public:
    void loadAtStartup(const IniDocument&) override {}
    void reloadForLanguage(const IniDocument&) override {}
    void writeFirstRunProfiles(ConfigFile&) override {}
};

}  // namespace orvo
