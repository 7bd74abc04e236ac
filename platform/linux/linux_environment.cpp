#include "platform/linux/linux_environment.h"

#include <cstdlib>

namespace orvo {

std::optional<std::string> LinuxEnvironment::get(const std::string& name) const {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
}

bool LinuxEnvironment::set(const std::string& name, const std::string& value) {
    if (name.empty() || name.find('=') != std::string::npos || name.find('\0') != std::string::npos) return false;
    return ::setenv(name.c_str(), value.c_str(), 1) == 0;
}

}  // namespace orvo
