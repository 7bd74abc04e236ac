#pragma once
// The outliner's command line, as the workbench starts it:
//   "<main file>" -I=<project section> -L=<language> -X=<left> -Y=<top> -INIFILE=<ConfigFile>
// Each option is one argument; option names are matched without regard to
// case. Any other argument names the main file, so a file whose name starts
// with "-" is a main file too.
#include <optional>
#include <string>
#include <vector>

namespace orvo {

struct ArgumentProblem {
    enum class Kind {
        NoMainFile,
        ExtraArgument,  // a second main file: it is left alone
        NotANumber,     // -X or -Y: the window is placed by the desktop instead
    };
    Kind kind;
    std::string argument;
};

struct OutlinerOptions {
    std::string mainFile;
    std::string projectSection;
    std::string language;
    std::optional<int> left;
    std::optional<int> top;
    std::string configFile;  // empty when not given
    bool help = false;       // "--help": the usage is asked for
    std::vector<ArgumentProblem> problems;
};

OutlinerOptions parseOutlinerArguments(const std::vector<std::string>& arguments);

// What "--help" prints.
extern const char* const kOutlinerUsage;

}  // namespace orvo
