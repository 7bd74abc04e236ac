#pragma once
// The session's autostart and closing jobs, run through the launcher and
// the console window "Messages".
#include "core/session_jobs.h"

namespace orvo {

class ConsolePort;
class Launcher;
struct Workbench;

class LauncherSessionJobs : public SessionJobs {
public:
    LauncherSessionJobs(const Workbench& workbench, Launcher& launcher, ConsolePort& console)
        : workbench_(workbench), launcher_(launcher), console_(console) {}

    void runAutostart() override;
    void closeAuxiliaryWindows() override;
    void startClosingScript() override;
    void runClosingScriptInConsole() override;

private:
    const Workbench& workbench_;
    Launcher& launcher_;
    ConsolePort& console_;
};

}  // namespace orvo
