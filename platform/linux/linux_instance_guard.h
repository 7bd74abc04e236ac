#pragma once
#include "platform/instance_guard.h"

namespace orvo {

// An exclusive flock on a lock file in $XDG_RUNTIME_DIR (or /tmp) named after
// the mark. The kernel drops the lock when the process dies, so a crash never
// leaves a stale mark behind.
class LinuxInstanceGuard : public InstanceGuard {
public:
    ~LinuxInstanceGuard() override;
    bool claim(const std::string& name) override;

private:
    int fd_ = -1;
};

}  // namespace orvo
