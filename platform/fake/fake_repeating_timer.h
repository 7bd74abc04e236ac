#pragma once
#include <functional>

#include "platform/repeating_timer.h"

namespace orvo {

// Ticks only when the test calls fire().
class FakeRepeatingTimer : public RepeatingTimer {
public:
    int periodMs = 0;
    int starts = 0;

    void start(int period, std::function<void()> tick) override {
        periodMs = period;
        tick_ = std::move(tick);
        running_ = true;
        ++starts;
    }
    void stop() override { running_ = false; }
    bool active() const override { return running_; }
    // One tick, when running.
    void fire() {
        std::function<void()> tick = tick_;
        if (running_ && tick) tick();
    }

private:
    std::function<void()> tick_;
    bool running_ = false;
};

}  // namespace orvo
