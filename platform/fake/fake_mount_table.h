#pragma once
#include "platform/mount_table.h"

namespace orvo {

// The mounts a test sets; one root file system unless told otherwise.
class FakeMountTable : public MountTable {
public:
    std::vector<Mount> table {{"/", "ext4", "/dev/sda1"}};

    std::vector<Mount> mounts() const override { return table; }
};

}  // namespace orvo
