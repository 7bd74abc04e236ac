#pragma once
#include "platform/process_launcher.h"

namespace orvo {

// Every start goes through startChild() (linux_child_start.h). Waited-for
// processes are its direct children, reaped by waitForEnd(). Detached ones
// are started through a short-lived intermediate child that is reaped at
// once (its `detach`), so the program becomes a child of init and never
// lingers as a zombie of the workbench. Both run in a process group of their
// own (detached ones in a session of their own), so a Ctrl+C meant for the
// workbench's terminal does not reach them; signal dispositions and the
// signal mask are reset to the defaults.
class LinuxProcessLauncher : public ProcessLauncher {
public:
    bool startDetached(const std::vector<std::string>& argv) override;
    std::optional<ProcessHandle> start(const std::vector<std::string>& argv) override;
    bool waitForEnd(ProcessHandle process, int timeoutMs) override;
};

}  // namespace orvo
