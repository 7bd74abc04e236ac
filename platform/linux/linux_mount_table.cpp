#include "platform/linux/linux_mount_table.h"

#include "platform/linux/mount_info.h"
#include "platform/linux/regular_file.h"

namespace orvo {

// Read anew at each call: discs come and go while the workbench runs.
std::vector<Mount> LinuxMountTable::mounts() const {
    FileRead table = readRegularFile("/proc/self/mountinfo");
    if (!table.ok()) return {};
    return parseMountInfo(table.content);
}

}  // namespace orvo
