#pragma once
// Shut-down: the document's parameters and ConfigFile are saved before the
// editor is asked to quit and before any clean-up, so nothing later can lose
// settings. Steps that belong to features still to come are named hooks.
namespace orvo {

class ConsoleWindow;
class FileSystem;
class Launcher;
class MainWindowView;
class UserInteraction;
class Desktop;
class EditorExchanges;
struct Workbench;

struct ShutdownServices {
    FileSystem& files;
    UserInteraction& ui;
    Desktop& desktop;
    // Closes the auxiliary windows and starts the closing script; without
    // one neither happens.
    Launcher* launcher = nullptr;
    // The console window "Messages", where the closing script runs; none in
    // tests that do not look at it.
    ConsoleWindow* console = nullptr;
    // Saves and quits the editor and tells the spell-checker; none in tests
    // that do not look at it.
    EditorExchanges* editor = nullptr;
};

class Shutdown {
public:
    Shutdown(Workbench& workbench, MainWindowView& view, ShutdownServices services);

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
    bool quitDeletionHook() { return true; }
    bool closeAuxiliaryWindows();
    bool runClosingScriptInConsole();
    bool startClosingScript();

    Workbench& workbench_;
    MainWindowView& view_;
    ShutdownServices services_;
    bool done_ = false;
};

}  // namespace orvo
