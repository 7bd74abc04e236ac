#include "platform/qt/qt_repeating_timer.h"

namespace orvo {

QtRepeatingTimer::QtRepeatingTimer() {
    // A copy runs, so that a tick may restart the timer with another tick.
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        std::function<void()> tick = tick_;
        if (tick) tick();
    });
}

void QtRepeatingTimer::start(int periodMs, std::function<void()> tick) {
    tick_ = std::move(tick);
    timer_.start(periodMs);
}

void QtRepeatingTimer::stop() { timer_.stop(); }

bool QtRepeatingTimer::active() const { return timer_.isActive(); }

}  // namespace orvo
