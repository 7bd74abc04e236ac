#pragma once
#include "platform/termination_signals.h"

namespace orvo {

class LinuxTerminationSignals : public TerminationSignals {
public:
    int install() override;
    void drain() override;
};

}  // namespace orvo
