#pragma once
// The mounts of the system, and which of them holds a path. A folder on a
// disc (CD-ROM, DVD) is slow to search and cannot be written, so nothing is
// deleted there.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

struct Mount {
    std::string mountPoint;  // absolute, without a trailing '/' (but "/" itself)
    std::string type;        // the file system type: "ext4", "iso9660" ...
    std::string source;      // the device or what stands for it

    bool operator==(const Mount&) const = default;
};

class MountTable {
public:
    virtual ~MountTable() = default;
    // The mounts in force now; empty when the table cannot be read.
    virtual std::vector<Mount> mounts() const = 0;
};

// The mount holding the absolute `path`: of the mount points that are the
// path itself or a folder above it, the longest (the one mounted last when
// two are the same). Nothing for a relative path or when no mount holds it.
inline std::optional<Mount> mountHolding(const std::vector<Mount>& mounts, std::string_view path) {
    if (path.empty() || path.front() != '/') return std::nullopt;
    const Mount* holding = nullptr;
    std::size_t holdingLength = 0;
    for (const Mount& mount : mounts) {
        std::string_view point = mount.mountPoint;
        while (point.size() > 1 && point.back() == '/') point.remove_suffix(1);
        bool holds = point == "/" || (path.substr(0, point.size()) == point &&
                                      (path.size() == point.size() || path[point.size()] == '/'));
        if (holds && (!holding || point.size() >= holdingLength)) {
            holding = &mount;
            holdingLength = point.size();
        }
    }
    if (!holding) return std::nullopt;
    return *holding;
}

// The file systems of data discs.
inline bool isDiscFileSystem(std::string_view type) { return type == "iso9660" || type == "udf"; }

}  // namespace orvo
