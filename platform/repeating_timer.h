#pragma once
// A timer of the user-interface thread: calls its tick at a fixed period
// until it is stopped.
#include <functional>

namespace orvo {

class RepeatingTimer {
public:
    virtual ~RepeatingTimer() = default;
    // (Re)starts the timer; the first tick comes one period from now.
    virtual void start(int periodMs, std::function<void()> tick) = 0;
    virtual void stop() = 0;
    virtual bool active() const = 0;
};

}  // namespace orvo
