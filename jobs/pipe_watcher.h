#pragma once
// The pipe watcher of one console job: a loop for a background thread that
// looks at the child's output pipe, waits in 100-millisecond steps while the
// pipe is quiet, and hands every read and the end of the job to the main
// thread, waiting until each has been done there. It never reads a pipe or
// runs a handler on its own thread.
#include <cstddef>
#include <functional>
#include <stop_token>

namespace orvo {

class MainThread;
class PipedProcess;

// The quiet step: how long the watcher waits for the child's end (or new
// output) before it looks again, and how long it waits for late output after
// the child has ended.
inline constexpr int kWatchStepMs = 100;
// A trickle of output (a program writing line by line) is gathered this long
// after each delivery, waking only for the child's end: one hand-over then
// carries many writes, and the window shows no faster than it refreshes.
inline constexpr int kGatherMs = 20;
inline constexpr std::size_t kTrickleBytes = 64 * 1024;
// How long output written after the child's end is still shown: a program
// it left running that never stops writing ends the job all the same.
inline constexpr int kLateOutputLimitMs = 1000;

struct PipeWatchHandlers {
    // On the main thread: read `waiting` bytes and pass them on. False stops
    // the watcher (a failed read).
    std::function<bool(std::size_t waiting)> read;
    // On the main thread: looking at the pipe failed with this error number.
    std::function<void(int error)> failed;
    // On the main thread: the child has ended and its output was delivered.
    std::function<void()> end;
};

// Runs until the job's end has been handed over, a read fails or `stop` is
// requested. After a stop request no handler runs any more.
void watchPipes(std::stop_token stop, PipedProcess& process, MainThread& mainThread,
                const PipeWatchHandlers& handlers);

}  // namespace orvo
