#pragma once
// The guard of a console job's process group: a small process of the
// workbench's that kills the whole group when the workbench dies while the
// job runs. PR_SET_PDEATHSIG reaches only the job's first process, not what
// that one started (TeX under a script, a program in the background).
#include <sys/types.h>

namespace orvo {

struct GroupGuard {
    pid_t pid = -1;
    int lifeline = -1;  // the workbench's end; the guard acts when it closes unannounced
};

// Starts the guard of `group`. A guard that cannot be started is left out
// (pid -1): the job then only has its first process's parent-death signal.
GroupGuard startGroupGuard(pid_t group);

// The job is over (its first process reaped): the guard ends without
// touching the group, whose background programs live on, and is collected.
void releaseGroupGuard(GroupGuard& guard);

}  // namespace orvo
