#pragma once
// Running processes of this user, by executable name.
#include <string>
#include <sys/types.h>

namespace orvo::processes {

// The lowest process id of this user (the workbench itself excepted) whose
// executable name equals `name`, ignoring case; -1 when there is none.
pid_t findByName(const std::string& name);
// SIGTERM, then waits at most `timeLimitMs` for the process to end.
bool terminate(pid_t pid, int timeLimitMs);

}  // namespace orvo::processes
