#pragma once
// A hidden child process whose standard input is a pipe the workbench writes
// and whose standard output and standard error share one pipe the workbench
// reads. The child runs in a process group of its own, so terminating it ends
// everything it started (a TeX run under a shell script, for example).
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

struct PipedProcessStart {
    // argv[0] names the program: a path (absolute or relative to the current
    // folder) when it holds a '/', otherwise a name looked up in PATH.
    std::vector<std::string> argv;
    std::string folder;                                   // empty: the workbench's current folder
    std::optional<std::vector<std::string>> environment;  // "NAME=value"; none: the workbench's own
};

// What a look at the output pipe and the child found.
struct PipeState {
    int error = 0;             // system error number of a failed look, else 0
    std::size_t waiting = 0;   // bytes that can be read without blocking
    bool ended = false;        // the child has ended (it stays unreaped until reap())
    bool outputClosed = false; // nothing will ever arrive again: every writer has closed the pipe
};

class PipedProcess {
public:
    // Closes the workbench's pipe ends. A child that was never reaped is
    // terminated and reaped, so no zombie stays behind.
    virtual ~PipedProcess() = default;
    // Waits up to `timeoutMs` until output is waiting or the output pipe has
    // closed or, with `wakeOnEnd`, the child has ended; 0 only looks. May be
    // called from any one thread while the others below run on another.
    virtual PipeState poll(int timeoutMs, bool wakeOnEnd) = 0;
    // Waits up to `timeoutMs` for the child's end only, whatever arrives in
    // the meantime; true once it has ended.
    virtual bool waitForEnd(int timeoutMs) = 0;
    // Reads up to `count` bytes into `buffer`; 0 or the system error number.
    virtual int read(char* buffer, std::size_t count, std::size_t& got) = 0;
    // Writes all of `bytes` to the child's standard input; 0 or the system
    // error number. Never blocks for long: a child that does not read its
    // input makes the write fail after a short time limit.
    virtual int write(std::string_view bytes) = 0;
    // Closes the child's standard input: the child reads end of file.
    virtual void closeInput() = 0;
    // Kills the child and its whole process group at once.
    virtual void terminate() = 0;
    // Waits for the ended (or terminated) child and collects it.
    virtual void reap() = 0;
};

// Which step of a start failed.
enum class PipedStartStep { InputPipe, OutputPipe, Process };

struct PipedStartResult {
    std::unique_ptr<PipedProcess> process;  // empty when the start failed
    PipedStartStep failedStep = PipedStartStep::Process;
    int error = 0;                          // system error number of the failure
};

class PipedProcessStarter {
public:
    virtual ~PipedProcessStarter() = default;
    virtual PipedStartResult start(const PipedProcessStart& request) = 0;
};

}  // namespace orvo
