#pragma once
// Lets a background thread have work done on the main (user-interface)
// thread and wait for it. The console's pipe watcher hands every read and the
// end of a job over this way, so handlers never run on the watcher's thread.
#include <functional>
#include <stop_token>

namespace orvo {

class MainThread {
public:
    virtual ~MainThread() = default;
    // Called from a thread other than the main thread: runs `task` on the main
    // thread and returns true once it has run. When `stop` is requested before
    // the task has begun, returns false and the task never runs; a task that
    // has begun is left to finish on its own.
    virtual bool runAndWait(const std::function<void()>& task, std::stop_token stop) = 0;
};

}  // namespace orvo
