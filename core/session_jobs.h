#pragma once
// The jobs that open and close a working session: the autostart job at
// start-up, and at shut-down the auxiliary windows to close and the closing
// script. Start-up and shut-down call them; the launcher's side of the jobs
// implements them.
#include <string>

namespace orvo {

class SessionJobs {
public:
    virtual ~SessionJobs() = default;
    // The autostart job through the run operation, waited for.
    virtual void runAutostart() = 0;
    // Failures to close are ignored: a window that does not answer only costs
    // the close request's time limit.
    virtual void closeAuxiliaryWindows() = 0;
    // The closing script started directly; it runs on after the workbench.
    virtual void startClosingScript() = 0;
    // The closing script in the console window, open until the user closes it.
    virtual void runClosingScriptInConsole() = 0;
};

// No jobs at all: a session that starts and ends nothing.
class NullSessionJobs : public SessionJobs {
public:
    void runAutostart() override {}
    void closeAuxiliaryWindows() override {}
    void startClosingScript() override {}
    void runClosingScriptInConsole() override {}
};

}  // namespace orvo
