#pragma once
// The console window "Messages": runs the pending console command (or typed
// command lines) as a hidden child, shows its output, passes typed input on,
// stops the job on "HALT" and decides at the job's end whether to close.
#include <functional>
#include <string>

#include "jobs/console_output.h"
#include "core/console_port.h"
#include "jobs/redirector.h"

namespace orvo {

class ConsoleView;
class Desktop;
class MainThread;
class PipedProcessStarter;
class UserInteraction;
class UtilityDialogs;
struct Workbench;

// The console's window number (its `Screens` keys, the open dialog number).
inline constexpr int kConsoleWindowNumber = 16;
// The size the window was designed at, on an 800 by 600 screen.
inline constexpr int kConsoleDesignWidth = 600;
inline constexpr int kConsoleDesignHeight = 400;

struct ConsoleServices {
    PipedProcessStarter& processes;
    MainThread& mainThread;
    UserInteraction& ui;
    Desktop& desktop;
    // Keeps the main window's open dialog number while the console is active.
    UtilityDialogs& dialogs;
};

class ConsoleWindow : public ConsolePort {
public:
    ConsoleWindow(Workbench& workbench, ConsoleView& view, ConsoleServices services);
    // Stores the size ratios; a running job is terminated.
    ~ConsoleWindow() override;

    // The run operation, (command, wait flag): the autostart job goes there.
    std::function<void(const std::string& command, bool wait)> runOperation;
    // Brings the window with this number to the front (1 is the main window).
    std::function<void(int windowNumber)> bringToFront;

    // ConsolePort.
    void ensureCreated() override;
    bool exists() const override { return created_; }
    void clearOutput() override;
    void setCloseWhenDone(bool closeWhenDone) override { closeWhenDone_ = closeWhenDone; }
    void appendLine(const std::string& line) override;
    void show() override;

    // The program entry's last step: start-up is over, the Close button shows.
    void finishStartup();
    // As show(), and returns once the window's job has ended or it was closed.
    void showModal() override;
    // The main window's "show console" action.
    void showWithoutJob();
    // The shut-down's closing script: the window anew, listing and running
    // `commandLine`, open until the user closes it, or only until the script
    // ends when nobody is there to close it.
    void runUntilClosed(const std::string& commandLine) override;
    // The workbench is ending on a termination signal: no window may wait
    // for the user any more.
    void setUnattended() { unattended_ = true; }
    // Close button, "HALT", the end of a job or the window manager.
    void close() override;

    // Events from the window.
    void activated();
    void submitInput(const std::string& line);
    // Ctrl+Z or Ctrl+D in the input line.
    void endOfInput();
    void windowMoved(int x, int y);

    const ConsoleOutput& output() const { return output_; }
    bool jobRunning() const { return redirector_.running(); }
    bool closeWhenDone() const { return closeWhenDone_; }
    const Redirector& redirector() const { return redirector_; }

private:
    void create();
    bool startJob(const std::string& commandLine);
    bool report(const Failure& failure);
    void jobEnded();
    void endOfJobRoutine();
    void placeOnScreen();
    void scaleWindow();
    void storeSizeRatios();

    Workbench& workbench_;
    ConsoleView& view_;
    ConsoleServices services_;
    ConsoleOutput output_;
    Redirector redirector_;
    bool created_ = false;
    bool closeWhenDone_ = false;
    bool startingUp_ = true;
    bool unattended_ = false;
};

}  // namespace orvo
