#include "actions/orvoproject/outliner_command_line.h"

#include <charconv>

#include "core/text.h"

namespace orvo {
namespace {

std::optional<int> number(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

const char* const kOutlinerUsage =
    "usage: orvoproject MAINFILE [-I=SECTION] [-L=LANGUAGE] [-X=LEFT] [-Y=TOP] [-INIFILE=CONFIGFILE]\n"
    "Shows the outline of MAINFILE and the files it reads, with the marks of the\n"
    "ConfigFile section SECTION (default OrvoProject:LaTeX), in the language\n"
    "LANGUAGE (DE: German; anything else English), at LEFT, TOP. Opening an entry\n"
    "starts the editor's TeXEdit template on its file and line.\n";

OutlinerOptions parseOutlinerArguments(const std::vector<std::string>& arguments) {
    OutlinerOptions options;
    bool haveMain = false;
    for (const std::string& argument : arguments) {
        auto option = [&argument](const char* name) { return startsWithIgnoringCase(argument, name); };
        auto value = [&argument]() { return argument.substr(argument.find('=') + 1); };
        auto place = [&](std::optional<int>& edge) {
            edge = number(value());
            if (!edge) options.problems.push_back({ArgumentProblem::Kind::NotANumber, argument});
        };
        if (option("-INIFILE=")) {
            options.configFile = value();
        } else if (option("-I=")) {
            options.projectSection = trim(value());
        } else if (option("-L=")) {
            options.language = trim(value());
        } else if (option("-X=")) {
            place(options.left);
        } else if (option("-Y=")) {
            place(options.top);
        } else if (argument == "--help") {
            options.help = true;
        } else if (!haveMain) {
            options.mainFile = argument;
            haveMain = true;
        } else {
            options.problems.push_back({ArgumentProblem::Kind::ExtraArgument, argument});
        }
    }
    if (options.mainFile.empty() && !options.help)
        options.problems.insert(options.problems.begin(), {ArgumentProblem::Kind::NoMainFile, ""});
    return options;
}

}  // namespace orvo
