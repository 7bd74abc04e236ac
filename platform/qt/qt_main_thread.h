#pragma once
#include "platform/main_thread.h"

namespace orvo {

// Posts the task to the application object's thread and waits on a condition
// variable, so that a stop request can end the wait even while the main
// thread is busy (a blocking queued call could not be abandoned).
class QtMainThread : public MainThread {
public:
    bool runAndWait(const std::function<void()>& task, std::stop_token stop) override;
};

}  // namespace orvo
