#include "core/command_line.h"

#include "core/path_names.h"
#include "core/text.h"

namespace orvo {
namespace {

std::string firstUpper(const std::vector<std::string>& parameters) {
    return parameters.empty() ? std::string() : toUpper(parameters.front());
}

}  // namespace

// Without a path after it, "-INIFILE" names nothing and ConfigFile is looked
// for in its usual places: an empty path could never be saved.
bool CommandLine::namesIniFile() const {
    return firstUpper(parameters) == "-INIFILE" && parameters.size() > 1 && !parameters[1].empty();
}

bool CommandLine::asksInitialization() const {
    std::string first = firstUpper(parameters);
    return first == "-INI" || first == "--INI" || first == "-I";
}

bool isMenuSwitch(const std::string& parameter) { return toUpper(parameter) == "-MENU"; }

bool CommandLine::hasMenu() const {
    for (const std::string& p : parameters) {
        if (isMenuSwitch(p)) return true;
    }
    return false;
}

bool CommandLine::namesDocument() const {
    std::string first = firstUpper(parameters);
    return !parameters.empty() && !asksInitialization() && first != "-INIFILE" && first != "-MENU";
}

std::string CommandLine::iniFileFolder() const {
    return parameters.size() > 1 ? folderOf(parameters[1]) : std::string();
}

std::string CommandLine::iniFileName() const {
    return parameters.size() > 1 ? fileNameOf(parameters[1]) : std::string();
}

}  // namespace orvo
