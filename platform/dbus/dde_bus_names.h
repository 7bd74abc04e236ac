#pragma once
// Where a service and a topic live on the session bus: service S is the bus
// name "org.orvo.Dde." + S', topic T the object path "/" + T', where S' and T'
// are the name in lower case with every character outside [a-z0-9_] made "_",
// and "_" put in front of a leading digit. Both sides of every conversation
// (the workbench, the shipped client, editor adapters) agree on this.
#include <string>
#include <string_view>

namespace orvo {

inline constexpr const char* kDdeInterface = "org.orvo.Dde";
inline constexpr const char* kDdeBusNamePrefix = "org.orvo.Dde.";

std::string ddeNamePart(std::string_view name);
std::string ddeBusName(std::string_view service);
std::string ddeObjectPath(std::string_view topic);

}  // namespace orvo
