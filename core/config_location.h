#pragma once
#include <string>

namespace orvo {

class Environment;

// The user's configuration folder, where ConfigFile is looked for first:
// $XDG_CONFIG_HOME/orvo/, or ~/.config/orvo/. Ends in '/'.
std::string userConfigFolder(const Environment& environment);

// The name ConfigFile has unless the command line names another.
inline constexpr const char* kConfigFileName = "ORVO.INI";

}  // namespace orvo
