#pragma once
#include <QTimer>

#include "platform/repeating_timer.h"

namespace orvo {

class QtRepeatingTimer : public RepeatingTimer {
public:
    QtRepeatingTimer();
    void start(int periodMs, std::function<void()> tick) override;
    void stop() override;
    bool active() const override;

private:
    QTimer timer_;
    std::function<void()> tick_;
};

}  // namespace orvo
