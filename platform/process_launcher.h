#pragma once
// Starting programs as processes of their own, without a command processor.
// argv[0] is looked up in PATH. A started program reads nothing from
// standard input, writes to the workbench's standard output and error, and
// gets no other descriptor of the workbench; it inherits the workbench's
// environment and current folder at the moment of the start.
#include <optional>
#include <string>
#include <vector>

namespace orvo {

// A started process the workbench may wait for.
struct ProcessHandle {
    long id = -1;
};

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts a process that lives on by itself: nobody waits for it and it
    // leaves nothing behind when it ends. False when it could not be started
    // (no such program, not executable, no resources).
    virtual bool startDetached(const std::vector<std::string>& argv) = 0;
    // Starts a process whose end waitForEnd() can wait for; nothing when it
    // could not be started.
    virtual std::optional<ProcessHandle> start(const std::vector<std::string>& argv) = 0;
    // Waits at most `timeoutMs` for the process to end. True once it has
    // ended; the handle is spent then.
    virtual bool waitForEnd(ProcessHandle process, int timeoutMs) = 0;
};

}  // namespace orvo
