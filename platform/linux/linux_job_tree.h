#pragma once
// Ending a console job with everything it started. The job's first process
// is a child subreaper: what its programs start and leave behind (a daemon
// that called setsid, a background program of a script) is adopted by it
// instead of by init while the job runs, so the whole tree is found below
// it, also what left the job's process group.
#include <sys/types.h>

#include <vector>

namespace orvo {

// The living descendants of `root` (not `root` itself), from the kernel's
// lists of each task's children; children, then theirs.
std::vector<pid_t> descendantsOf(pid_t root);

// Stops `root`, its process group and every descendant, looking again until
// no new one appears (a stopped process forks no more), then kills them all.
void killJobTree(pid_t root);

}  // namespace orvo
