#pragma once
#include "platform/mount_table.h"

namespace orvo {

// The mounts this process sees, from /proc/self/mountinfo.
class LinuxMountTable : public MountTable {
public:
    std::vector<Mount> mounts() const override;
};

}  // namespace orvo
