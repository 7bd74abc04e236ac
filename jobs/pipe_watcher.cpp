#include "jobs/pipe_watcher.h"

#include <chrono>

#include "platform/main_thread.h"
#include "platform/piped_process.h"

namespace orvo {

void watchPipes(std::stop_token stop, PipedProcess& process, MainThread& mainThread,
                const PipeWatchHandlers& handlers) {
    auto handOver = [&](const std::function<void()>& task) {
        return !stop.stop_requested() && mainThread.runAndWait(task, stop);
    };
    // Reads what `state` found waiting; false when the watcher must stop.
    auto deliver = [&](const PipeState& state) {
        if (state.error) {
            handOver([&] { handlers.failed(state.error); });
            return false;
        }
        bool readOk = false;
        return handOver([&] { readOk = handlers.read(state.waiting); }) && readOk;
    };

    while (!stop.stop_requested()) {
        // While data flows the watcher loops without waiting, and still sees
        // the child's end: a program it left writing must not keep the job
        // running.
        PipeState state = process.poll(0, false);
        if (state.error || state.waiting > 0) {
            if (!deliver(state)) return;
            if (state.ended) break;
            if (state.waiting < kTrickleBytes && process.waitForEnd(kGatherMs)) break;
            continue;
        }
        state = process.poll(kWatchStepMs, true);
        if (state.error) {
            deliver(state);
            return;
        }
        if (state.ended && state.waiting == 0) break;
    }
    // The child has ended; output still in the pipe (or written by programs it
    // left running) is delivered until the pipe is closed or quiet for a
    // step, and for a bounded time at most.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLateOutputLimitMs);
    while (!stop.stop_requested()) {
        PipeState state = process.poll(kWatchStepMs, false);
        if (!state.error && state.waiting == 0) break;
        if (!deliver(state)) return;
        if (std::chrono::steady_clock::now() >= deadline) break;
    }
    handOver(handlers.end);
}

}  // namespace orvo
