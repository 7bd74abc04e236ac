#pragma once
// The two ways every job reaches the system: the run operation, which hands
// a command to the command processor and captures it in the console window
// when console capture is on, and the direct start of a program line. Also
// the shared small services of jobs: making a folder current and closing the
// auxiliary programs at shut-down.
#include <string>
#include <string_view>

#include "jobs/job_command.h"

namespace orvo {

class ConsolePort;
class FileSystem;
class OtherWindows;
class ProcessLauncher;
class UserInteraction;
struct Workbench;

struct LaunchServices {
    ProcessLauncher& processes;
    OtherWindows& windows;
    FileSystem& files;
    UserInteraction& ui;
    // The console window "Messages". While a program has none, captured
    // jobs run as uncaptured ones do.
    ConsolePort* console = nullptr;
};

// A waited-for program is checked in slices of this length.
inline constexpr int kWaitSliceMs = 10000;

// `4DosProgram`, a blank, `4DosOptions`, a blank and `command`. A program
// path holding blanks is quoted, so that it stays one word.
std::string commandProcessorLine(const Workbench& workbench, std::string_view command);

class Launcher {
public:
    Launcher(Workbench& workbench, LaunchServices services);

    // Plugs in the console window once it exists.
    void setConsole(ConsolePort& console) { services_.console = &console; }

    // `job` as composed from its template, without the command processor;
    // it is captured when console capture is on and its template allowed it.
    // Without capture the command processor line is started directly
    // (waited for with `wait`) and the compile-busy flag is cleared; with
    // capture the console window receives it and the call returns at once
    // (`wait` keeps the window's earlier output).
    void run(const JobCommand& job, bool wait);

    // Starts a complete program line (program and arguments, split as
    // command lines are). A start failure is reported in an error box at the
    // main window's corner and is never waited for. True when it started.
    bool startDirect(std::string_view programLine, bool wait);

    // Makes an existing folder the current folder; anything else is ignored.
    void changeFolder(const std::string& folder);

    // Asks the first window of each class in `KillProcesses` and the editor
    // profile's `KillEditorProcesses` to close; failures are ignored.
    void closeAuxiliaryWindows();

private:
    void runInConsole(const std::string& command, bool wait);

    Workbench& workbench_;
    LaunchServices services_;
};

}  // namespace orvo
