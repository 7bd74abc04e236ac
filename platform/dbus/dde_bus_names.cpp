#include "platform/dbus/dde_bus_names.h"

namespace orvo {

std::string ddeNamePart(std::string_view name) {
    std::string part;
    part.reserve(name.size() + 1);
    for (char c : name) {
        char lower = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        bool kept = (lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9') || lower == '_';
        part += kept ? lower : '_';
    }
    if (!part.empty() && part[0] >= '0' && part[0] <= '9') part.insert(part.begin(), '_');
    return part;
}

std::string ddeBusName(std::string_view service) { return kDdeBusNamePrefix + ddeNamePart(service); }

std::string ddeObjectPath(std::string_view topic) { return "/" + ddeNamePart(topic); }

}  // namespace orvo
