#pragma once
// The active editor profile as start-up, a first run and the interface
// language need it: loaded from ConfigFile, reloaded for a new language,
// and written for every editor a first run finds.
namespace orvo {

class IniDocument;

class ActiveEditorProfile {
public:
    virtual ~ActiveEditorProfile() = default;
    // The stored profile for the interface language, with its environment,
    // and the editor's name shown.
    virtual void loadAtStartup(const IniDocument& config) = 0;
    // The same editor in the language now in force.
    virtual void reloadForLanguage(const IniDocument& config) = 0;
    // A profile for every editor found, the best of them made active.
    virtual void writeFirstRunProfiles() = 0;
};

// No editor profiles: the workbench state keeps the profile it holds.
class NullActiveEditorProfile : public ActiveEditorProfile {
public:
    void loadAtStartup(const IniDocument&) override {}
    void reloadForLanguage(const IniDocument&) override {}
    void writeFirstRunProfiles() override {}
};

}  // namespace orvo
