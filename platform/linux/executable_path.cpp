#include "platform/linux/executable_path.h"

#include <unistd.h>

#include <climits>

namespace orvo {

std::string executablePath() {
    char buffer[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    return std::string(buffer, std::size_t(n));
}

std::string executableFolder() {
    std::string path = executablePath();
    return path.substr(0, path.rfind('/') + 1);
}

}  // namespace orvo
