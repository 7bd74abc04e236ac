#pragma once
// Start-up: the fixed order in which the workbench finds ConfigFile, decides
// on a first run, reads its configuration, builds PATH, restores the last
// main file and fills the main window. Steps that belong to features still to
// come are named hooks that do nothing yet.
#include <string>

#include "core/command_line.h"
#include "core/interface_language.h"

namespace orvo {

class ConsolePort;
class Desktop;
class EditorSession;
class Environment;
class FileSystem;
class JobActions;
class Launcher;
class MainWindowView;
class ProgramOutput;
class UserInteraction;
struct Workbench;

struct StartupServices {
    FileSystem& files;
    Environment& environment;
    UserInteraction& ui;
    Desktop& desktop;
    ProgramOutput& programs;
    // Runs the autostart job; without one the job stays pending.
    Launcher* launcher = nullptr;
    // The console window "Messages", created by the program entry; none in
    // tests that do not look at it.
    ConsolePort* console = nullptr;
    // Runs the automatic save; none in tests that do not look at it.
    EditorSession* editor = nullptr;
    // Runs a destination script chosen before the last quit; none in tests
    // that do not look at it.
    JobActions* jobs = nullptr;
};

enum class StartupOutcome { Ready, Aborted };

// Message entry shown by a second instance.
inline constexpr int kAlreadyRunningMessage = 34;
// The mark that one workbench is running.
inline constexpr const char* kInstanceName = "Orvo for Windows";

class Startup {
public:
    Startup(Workbench& workbench, MainWindowView& view, StartupServices services, CommandLine commandLine);

    // The main-window creation. `programDir` is the executable's folder,
    // ending in '/'. Aborted means the program ends without writing anything.
    StartupOutcome createMainWindow(const std::string& programDir);

    // The program entry's steps between the single-instance check and the
    // message loop: the console window, the speedbar layout and the fixed
    // font size.
    void finishProgramEntry();

    // The text of a message entry, or `fallback` while the entry is blank.
    static std::string messageText(const Workbench& workbench, int entry, const std::string& fallback);

    // The interface language, for the screen options' Apply.
    InterfaceLanguage& language() { return language_; }

private:
    void locateConfigFile();
    bool firstRun();
    void checkDistributionFolders();
    void buildSearchPathStep();
    void readRemainingKeys();
    void showMainAndCurrentFile();
    void enterMainFolder();
    void enterCurrentFolder();
    void showDisplayTexts();
    void applyMenuParameter();
    void applySpeedbarMode();
    void takeCommandLineDocument();
    void completeFirstRun();
    void recomputeDviFileName();
    void applyEnvironment();
    void writeDefaultEnvironment();
    void writeEnvironmentBatchFileStep();
    void autostart();

    // Hooks for features still to come; each does nothing yet.
    void loadEditorProfile();
    void startAutoSave();
    // The help topic list comes with the help system.
    void loadHelpTopicsHook() {}
    void refreshOwnTreeDatabaseHook() {}
    void createChooserAndConsole();
    // The rest of the screen options' Apply comes with the speedbar layouts.
    void applyScreenLayoutHook() {}
    void buildHintsHook() {}

    Workbench& workbench_;
    MainWindowView& view_;
    StartupServices services_;
    CommandLine commandLine_;
    InterfaceLanguage language_;
};

}  // namespace orvo
