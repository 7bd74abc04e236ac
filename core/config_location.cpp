#include "core/config_location.h"

#include "platform/environment.h"

namespace orvo {

std::string userConfigFolder(const Environment& environment) {
    std::string base = environment.get("XDG_CONFIG_HOME").value_or(std::string());
    // Relative values are to be ignored, as the XDG rules say.
    if (base.empty() || base.front() != '/') base = environment.get("HOME").value_or(std::string("/tmp")) + "/.config";
    if (base.back() != '/') base += '/';
    return base + "orvo/";
}

}  // namespace orvo
