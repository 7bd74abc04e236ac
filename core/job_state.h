#pragma once
// The job state every job-starting part shares: which window started the
// running job, whether a compile is running, and the command the console
// window starts when it next becomes active.
#include <string>

namespace orvo {

// Window numbers a job can come from: 0 none, 1 the main window, otherwise
// the utility dialog's own number.
inline constexpr int kNoOriginatingDialog = 0;
inline constexpr int kMainWindowNumber = 1;

struct JobState {
    bool compileBusy = false;
    int originatingDialog = kNoOriginatingDialog;
    std::string pendingConsoleCommand;
    // The autostart job still waits for the console window, which runs it
    // when it is created.
    bool autostartPending = false;
};

}  // namespace orvo
