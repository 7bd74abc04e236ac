#pragma once
// A scripted child for redirector tests: the test feeds output, ends the
// child and looks at what the workbench did with it. Safe to use from the
// watcher thread and the test thread at once.
#include <algorithm>
#include <chrono>
#include <memory>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "platform/piped_process.h"

namespace orvo {

struct FakeChild {
    std::mutex mutex;
    std::condition_variable changed;
    std::string output;             // waiting to be read
    bool ended = false;
    bool outputClosed = false;
    int pollError = 0;
    int readError = 0;
    int writeError = 0;
    std::string input;              // what the workbench wrote
    bool inputClosed = false;
    bool terminated = false;
    bool reaped = false;
    bool destroyed = false;
    std::vector<int> pollTimeouts;  // the time-out of each poll()
    std::vector<int> endWaits;      // the time-out of each waitForEnd()
    std::vector<std::size_t> reads; // the size asked for by each read()

    void feed(const std::string& bytes) {
        std::lock_guard lock(mutex);
        output += bytes;
        changed.notify_all();
    }
    void end(bool closeOutput = true) {
        std::lock_guard lock(mutex);
        ended = true;
        outputClosed = closeOutput;
        changed.notify_all();
    }
};

class FakePipedProcess : public PipedProcess {
public:
    explicit FakePipedProcess(std::shared_ptr<FakeChild> child) : child_(std::move(child)) {}
    ~FakePipedProcess() override {
        std::lock_guard lock(child_->mutex);
        child_->destroyed = true;
    }

    PipeState poll(int timeoutMs, bool wakeOnEnd) override {
        std::unique_lock lock(child_->mutex);
        child_->pollTimeouts.push_back(timeoutMs);
        child_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
            return !child_->output.empty() || child_->outputClosed || (wakeOnEnd && child_->ended);
        });
        PipeState state;
        state.error = child_->pollError;
        state.waiting = child_->output.size();
        state.ended = child_->ended;
        state.outputClosed = child_->outputClosed && child_->output.empty();
        return state;
    }
    bool waitForEnd(int timeoutMs) override {
        std::unique_lock lock(child_->mutex);
        child_->endWaits.push_back(timeoutMs);
        return child_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return child_->ended; });
    }
    int read(char* buffer, std::size_t count, std::size_t& got) override {
        std::lock_guard lock(child_->mutex);
        child_->reads.push_back(count);
        if (child_->readError) return child_->readError;
        got = std::min(count, child_->output.size());
        child_->output.copy(buffer, got);
        child_->output.erase(0, got);
        return 0;
    }
    int write(std::string_view bytes) override {
        std::lock_guard lock(child_->mutex);
        if (child_->writeError) return child_->writeError;
        child_->input += bytes;
        return 0;
    }
    void closeInput() override {
        std::lock_guard lock(child_->mutex);
        child_->inputClosed = true;
    }
    void terminate() override {
        std::lock_guard lock(child_->mutex);
        child_->terminated = true;
        child_->ended = true;
        child_->outputClosed = true;
        child_->changed.notify_all();
    }
    void reap() override {
        std::lock_guard lock(child_->mutex);
        child_->reaped = true;
    }

private:
    std::shared_ptr<FakeChild> child_;
};

// Starts fake children and records every start; a start fails while
// `failStep`/`failError` are set.
class FakePipedProcessStarter : public PipedProcessStarter {
public:
    std::vector<PipedProcessStart> starts;
    std::vector<std::shared_ptr<FakeChild>> children;
    int failError = 0;
    PipedStartStep failStep = PipedStartStep::Process;

    PipedStartResult start(const PipedProcessStart& request) override {
        starts.push_back(request);
        PipedStartResult result;
        if (failError) {
            result.failedStep = failStep;
            result.error = failError;
            return result;
        }
        children.push_back(std::make_shared<FakeChild>());
        result.process = std::make_unique<FakePipedProcess>(children.back());
        return result;
    }
    FakeChild& last() { return *children.back(); }
};

}  // namespace orvo
