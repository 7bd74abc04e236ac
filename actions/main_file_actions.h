#pragma once
// The job actions on the main file: compile, preview, print, the log file
// and the print-destination redirection. The main window's logic holds one
// MainFileActions and calls it from the action buttons:
//
//     MainFileActions actions(workbench, {launcher, files, ui, mainWindowView, environment, &console});
//
// `console` (the console window "Messages") may be plugged in later with
// setConsole(); until then captured jobs run uncaptured, as the launcher's
// own jobs do.
#include <functional>
#include <string>

#include "core/job_actions.h"
#include "jobs/job_command.h"

namespace orvo {

class ConsolePort;
class Environment;
class FileSystem;
class Launcher;
class MainWindowShell;
class MainWindowView;
class UserInteraction;
struct Workbench;

struct JobActionServices {
    Launcher& launcher;
    FileSystem& files;
    UserInteraction& ui;
    MainWindowView& view;
    // COMSPEC: the command processor of the direct compile.
    const Environment& environment;
    // The main window records its place before an output action, and hides
    // its task-bar button again afterwards when `ShowOnTaskBar` is off.
    MainWindowShell& shell;
    ConsolePort* console = nullptr;
};

// Message entries the actions show.
inline constexpr int kLogFileMissingMessage = 11;
inline constexpr int kDviFileMissingMessage = 12;
inline constexpr int kMainFileMissingMessage = 14;

// The log viewer while the editor profile names none: the desktop's
// program for the file.
inline constexpr const char* kDefaultLogFileViewer = "xdg-open";

class MainFileActions : public JobActions {
public:
    MainFileActions(Workbench& workbench, JobActionServices services);

    void setConsole(ConsolePort& console) { services_.console = &console; }

    // The editor's save exchange and the spell-checker's notice, run before
    // a compile; and the block compile of the editor's marked block.
    std::function<void()> saveBeforeCompile;
    std::function<void()> compileBlock;

    // Marks the compile busy until its job ends.
    void compile() override;
    void blockCompile() override;
    void preview() override;
    // Issued once per print repetition; nothing when the DVI file is missing.
    void print() override;
    void openLogFile() override;
    void redirectPrintDestination() override;

private:
    void compileWithScript();
    void compileDirectly();
    void compileInConsole(ConsolePort& console);
    // Runs `command` through the command processor and returns once it has
    // ended: modally in the console window when output is captured.
    void runToEnd(const JobCommand& command);
    void devirtualizeAfterCompile();
    // COMSPEC and "/c", the command processor of the direct compile.
    std::string directCommandProcessor() const;
    void inform(int entry, const std::string& fallback);

    Workbench& workbench_;
    JobActionServices services_;
};

}  // namespace orvo
