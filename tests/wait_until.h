#pragma once
// Polls a condition for tests that watch other processes.
#include <chrono>
#include <functional>
#include <thread>

namespace orvo::test {

// True as soon as `condition` holds, false when `timeoutMs` passed first.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace orvo::test
