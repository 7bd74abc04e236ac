#pragma once
// Shut-down: the document's parameters and ConfigFile are saved before the
// editor is asked to quit and before any clean-up, so nothing later can lose
// settings. The subsystems above core take part through their ports.
#include <span>

namespace orvo {

class ConfigSectionWriter;
class Desktop;
class EditorQuit;
class FileSystem;
class MainWindowView;
class SessionJobs;
class UserInteraction;
class UtilityDialogs;
struct Workbench;

struct ShutdownServices {
    FileSystem& files;
    UserInteraction& ui;
    Desktop& desktop;
};

// The parts of the workbench above core that shut-down drives.
struct ShutdownPorts {
    // Closes the auxiliary windows and runs the closing script.
    SessionJobs& sessionJobs;
    // Saves and quits the editor and tells the spell-checker.
    EditorQuit& editor;
    // The quit's own deletion of files when no closing script runs.
    UtilityDialogs& dialogs;
    // The sections ConfigFile gets from the subsystems above.
    std::span<const ConfigSectionWriter* const> configSections = {};
};

class Shutdown {
public:
    Shutdown(Workbench& workbench, MainWindowView& view, ShutdownServices services, ShutdownPorts ports);

    // "Quit": records the tabbed window's position, then the window closes.
    void recordWindowPosition();
    // The sequence run when the main window closes. Runs once; a second call
    // does nothing.
    void run();
    bool hasRun() const { return done_; }

private:
    bool writeParameterFileStep();
    bool deleteEnvironmentBatchFileStep();
    bool writeConfigurationStep();
    bool editorSaveAndQuit();
    bool notifySpellChecker();
    bool dropStayOnTop();
    bool cleanUp();
    bool closeAuxiliaryWindows();
    bool runClosingScriptInConsole();
    bool startClosingScript();

    Workbench& workbench_;
    MainWindowView& view_;
    ShutdownServices services_;
    ShutdownPorts ports_;
    bool done_ = false;
};

}  // namespace orvo
