#include "jobs/launcher_session_jobs.h"

#include "core/console_port.h"
#include "jobs/launcher.h"
#include "jobs/script_calls.h"

namespace orvo {

void LauncherSessionJobs::runAutostart() { launcher_.run(autostartCommand(workbench_), true); }

void LauncherSessionJobs::closeAuxiliaryWindows() { launcher_.closeAuxiliaryWindows(); }

void LauncherSessionJobs::startClosingScript() { launcher_.startDirect(closingScriptLine(workbench_), false); }

void LauncherSessionJobs::runClosingScriptInConsole() { console_.runUntilClosed(closingScriptLine(workbench_)); }

}  // namespace orvo
