#pragma once
#include <unistd.h>

#include "platform/termination_signals.h"

namespace orvo {

// A pipe of its own that a test writes to with raise().
class FakeTerminationSignals : public TerminationSignals {
public:
    ~FakeTerminationSignals() override {
        if (fds_[0] >= 0) ::close(fds_[0]), ::close(fds_[1]);
    }
    int install() override {
        if (fds_[0] < 0 && ::pipe(fds_) != 0) return -1;
        return fds_[0];
    }
    void raise() {
        char byte = 1;
        [[maybe_unused]] ssize_t ignored = ::write(fds_[1], &byte, 1);
    }
    void drain() override {
        char byte;
        [[maybe_unused]] ssize_t ignored = ::read(fds_[0], &byte, 1);
        ++drained;
    }
    int drained = 0;

private:
    int fds_[2] = {-1, -1};
};

}  // namespace orvo
