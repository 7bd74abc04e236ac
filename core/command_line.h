#pragma once
// The workbench's command line. Parameters are compared in upper case; only
// the first one selects the mode, "-MENU" counts anywhere.
#include <string>
#include <vector>

namespace orvo {

struct CommandLine {
    std::vector<std::string> parameters;  // without the program name

    bool namesIniFile() const;       // "-INIFILE" path
    bool asksInitialization() const; // "-INI", "--INI", "-I"
    bool hasMenu() const;            // "-MENU" anywhere
    // The first parameter names a document (it is none of the switches).
    bool namesDocument() const;
    // IniDir and IniName from "-INIFILE path": the folder part (empty without
    // one) and the file-name part.
    std::string iniFileFolder() const;
    std::string iniFileName() const;
};

// "-MENU" in any case.
bool isMenuSwitch(const std::string& parameter);

}  // namespace orvo
