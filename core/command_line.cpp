#include "core/command_line.h"

#include "core/text.h"
#include "jobs/templates.h"

namespace orvo {
namespace {

std::string firstUpper(const std::vector<std::string>& parameters) {
    return parameters.empty() ? std::string() : toUpper(parameters.front());
}

}  // namespace

bool CommandLine::namesIniFile() const { return firstUpper(parameters) == "-INIFILE"; }

bool CommandLine::asksInitialization() const {
    std::string first = firstUpper(parameters);
    return first == "-INI" || first == "--INI" || first == "-I";
}

bool CommandLine::hasMenu() const {
    for (const std::string& p : parameters) {
        if (toUpper(p) == "-MENU") return true;
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
