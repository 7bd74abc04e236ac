#pragma once
#include "platform/piped_process.h"

namespace orvo {

// Started by startChild() (linux_child_start.h) with the child in its own
// process group, which ends with the workbench while the job runs
// (PR_SET_PDEATHSIG for the child, a group guard for what it started); the
// end of the child is watched through a pidfd, so it is known without
// reaping and without relying on the pipe.
class LinuxPipedProcessStarter : public PipedProcessStarter {
public:
    PipedStartResult start(const PipedProcessStart& request) override;
};

}  // namespace orvo
