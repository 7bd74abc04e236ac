#pragma once
// A termination signal (SIGTERM, SIGINT, SIGHUP) ends the workbench as
// "Quit" does: whatever box is open is ended as if cancelled, no window waits
// for a user any more, and the main window closes, which runs the shut-down.
namespace orvo {

struct WorkbenchWindows;

class TerminationHandling {
public:
    // Watches the signals' self-pipe `signalFd` (nothing when negative).
    TerminationHandling(WorkbenchWindows& windows, int signalFd);
    // A signal arrived; before the main window was shown, the program entry
    // saves as "Quit" would instead of showing it.
    bool requested() const { return requested_; }

private:
    void end();

    WorkbenchWindows& windows_;
    bool requested_ = false;
};

}  // namespace orvo
