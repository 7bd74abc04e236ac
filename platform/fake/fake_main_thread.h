#pragma once
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

#include "platform/main_thread.h"

namespace orvo {

// A main thread the test drives: hand-overs queue up until the test thread
// runs them with runPending(), as an event loop would. Counts what it ran.
class FakeMainThread : public MainThread {
public:
    bool runAndWait(const std::function<void()>& task, std::stop_token stop) override {
        std::unique_lock lock(mutex_);
        if (stop.stop_requested()) return false;
        auto entry = std::make_shared<Entry>(Entry {task, false, false});
        queue_.push_back(entry);
        queued_.notify_all();
        changed_.wait(lock, stop, [&] { return entry->done; });
        if (entry->done) return true;
        entry->abandoned = true;
        return false;
    }

    // Waits up to `timeoutMs` for at least one hand-over, then runs all that
    // are queued on the calling thread. Returns how many ran.
    int runPending(int timeoutMs = 2000) {
        std::unique_lock lock(mutex_);
        queued_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return !queue_.empty(); });
        int ran = 0;
        while (!queue_.empty()) {
            auto entry = queue_.front();
            queue_.pop_front();
            if (entry->abandoned) continue;
            lock.unlock();
            entry->task();
            lock.lock();
            entry->done = true;
            ++ran;
            ++handOvers;
            changed_.notify_all();
        }
        return ran;
    }

    // Runs hand-overs until `condition` holds or `timeoutMs` passes.
    template <typename Condition>
    bool runUntil(Condition condition, int timeoutMs = 5000) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            runPending(20);
        }
        return true;
    }

    int handOvers = 0;

private:
    struct Entry {
        std::function<void()> task;
        bool done;
        bool abandoned;
    };
    std::mutex mutex_;
    std::condition_variable_any queued_;
    std::condition_variable_any changed_;
    std::deque<std::shared_ptr<Entry>> queue_;
};

}  // namespace orvo
