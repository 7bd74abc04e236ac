#include "platform/linux/mount_info.h"

#include <optional>
#include <string>

namespace orvo {
namespace {

bool isOctal(char c) { return c >= '0' && c <= '7'; }

// A field with its octal escapes decoded; a backslash that starts no escape
// of three octal digits up to \377 stays as it is.
std::string unescaped(std::string_view field) {
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] <= '3' && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        std::size_t end = line.find(' ', at);
        if (end == std::string_view::npos) end = line.size();
        if (end > at) fields.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return fields;
}

constexpr std::size_t kMountPointField = 4;
constexpr std::size_t kFirstOptionalField = 6;

std::optional<Mount> mountOfLine(std::string_view line) {
    std::vector<std::string_view> fields = fieldsOf(line);
    for (std::size_t i = kFirstOptionalField; i < fields.size(); ++i) {
        if (fields[i] != "-") continue;
        if (i + 2 >= fields.size()) return std::nullopt;
        Mount mount {unescaped(fields[kMountPointField]), unescaped(fields[i + 1]), unescaped(fields[i + 2])};
        if (mount.mountPoint.empty() || mount.mountPoint.front() != '/') return std::nullopt;
        while (mount.mountPoint.size() > 1 && mount.mountPoint.back() == '/') mount.mountPoint.pop_back();
        return mount;
    }
    return std::nullopt;
}

}  // namespace

std::vector<Mount> parseMountInfo(std::string_view text) {
    std::vector<Mount> mounts;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        if (std::optional<Mount> mount = mountOfLine(text.substr(at, end - at))) mounts.push_back(std::move(*mount));
        at = end + 1;
    }
    return mounts;
}

}  // namespace orvo
