#pragma once
// Start-up: the fixed order in which the workbench finds ConfigFile, decides
// on a first run, reads its configuration, builds PATH, restores the last
// main file and fills the main window. The subsystems above core take part
// through the ports they implement.
#include <span>
#include <string>

#include "core/command_line.h"
#include "core/interface_language.h"
#include "platform/desktop.h"

namespace orvo {

class ActiveEditorProfile;
class AutoSave;
class ConfigSectionWriter;
class ConsolePort;
class Desktop;
class Environment;
class FileSystem;
class FirstRunDefaults;
class HelpAndSupport;
class JobActions;
class MainWindowShell;
class MainWindowView;
class OwnTreeDatabase;
class ProgramOutput;
class SessionJobs;
class UserInteraction;
struct Workbench;

struct StartupServices {
    FileSystem& files;
    Environment& environment;
    UserInteraction& ui;
    Desktop& desktop;
    ProgramOutput& programs;
};

// The parts of the workbench above core that start-up drives.
struct StartupPorts {
    FirstRunDefaults& firstRunDefaults;
    // Refreshed once a first run has written its configuration.
    OwnTreeDatabase& ownTree;
    ActiveEditorProfile& editorProfile;
    AutoSave& autoSave;
    // Runs the autostart job when console capture is off.
    SessionJobs& sessionJobs;
    // The console window "Messages", created by the program entry.
    ConsolePort& console;
    // Runs a destination script chosen before the last quit.
    JobActions& jobActions;
    MainWindowShell& shell;
    HelpAndSupport& help;
    // The sections a first run's ConfigFile gets from the subsystems above.
    std::span<const ConfigSectionWriter* const> configSections = {};
};

enum class StartupOutcome { Ready, Aborted };

// Message entry shown by a second instance.
inline constexpr int kAlreadyRunningMessage = 34;
// The mark that one workbench is running.
inline constexpr const char* kInstanceName = "Orvo for Windows";

class Startup {
public:
    Startup(Workbench& workbench, MainWindowView& view, StartupServices services, StartupPorts ports,
            CommandLine commandLine);

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
    void writeFirstConfigFile(ScreenSize screen);
    void readParameterFile();
    void recomputeDviFileName();
    void applyEnvironment();
    void writeEnvironmentBatchFileStep();
    void autostart();
    void loadEditorProfile();
    void createChooserAndConsole();

    Workbench& workbench_;
    MainWindowView& view_;
    StartupServices services_;
    StartupPorts ports_;
    CommandLine commandLine_;
    InterfaceLanguage language_;
    std::string reportedParameterFile_;
};

}  // namespace orvo
