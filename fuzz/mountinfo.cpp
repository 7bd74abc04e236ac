// The mount table reader on any bytes.
// - Every mount read has an absolute mount point without a trailing '/'
//   (but "/"), a type and a source.
// - Lines are read one by one: the mounts of the text are those of its
//   lines, in order.
// - A mount written back as a line (names escaped) reads as the same mount.
// - Each mount point is held by a mount of that very point.
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/linux/mount_info.h"

namespace orvo {
namespace {

using fuzz::check;

std::string escaped(std::string_view name) {
    std::string text;
    for (char c : name) {
        switch (c) {
            case ' ': text += "\\040"; break;
            case '\t': text += "\\011"; break;
            case '\n': text += "\\012"; break;
            case '\\': text += "\\134"; break;
            default: text += c;
        }
    }
    return text;
}

std::vector<Mount> mountsLineByLine(std::string_view text) {
    std::vector<Mount> mounts;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        for (Mount& mount : parseMountInfo(text.substr(at, end - at))) mounts.push_back(std::move(mount));
        at = end + 1;
    }
    return mounts;
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::string_view text = fuzz::asText(data, size);
    std::vector<Mount> mounts = parseMountInfo(text);
    for (const Mount& mount : mounts) {
        const std::string& point = mount.mountPoint;
        check(!point.empty() && point.front() == '/', "mount point is absolute", point);
        check(point == "/" || point.back() != '/', "mount point has no trailing slash", point);
        check(!mount.type.empty() && !mount.source.empty(), "type and source are there", point);
        std::string line = "1 2 3:4 / " + escaped(point) + " rw - " + escaped(mount.type) + " " +
                           escaped(mount.source) + " rw";
        check(parseMountInfo(line) == std::vector<Mount> {mount}, "a written mount reads back", line);
        std::optional<Mount> holding = mountHolding(mounts, point);
        check(holding && holding->mountPoint == point, "a mount point is held by its own mount", point);
    }
    check(mountsLineByLine(text) == mounts, "the mounts of the text are those of its lines");
    return 0;
}
