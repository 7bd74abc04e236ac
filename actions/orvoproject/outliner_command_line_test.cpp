#include "actions/orvoproject/outliner_command_line.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

using Kind = ArgumentProblem::Kind;
using Args = std::vector<std::string>;

TEST(OutlinerCommandLine, ReadsTheWorkbenchsCommandLine) {
    OutlinerOptions o = parseOutlinerArguments(
        {"/doc/my paper.tex", "-I=OrvoProject:LaTeX", "-L=DE", "-X=10", "-Y=-20", "-INIFILE=/conf/a=b/ORVO.INI"});
    EXPECT_EQ(o.mainFile, "/doc/my paper.tex");
    EXPECT_EQ(o.projectSection, "OrvoProject:LaTeX");
    EXPECT_EQ(o.language, "DE");
    EXPECT_EQ(o.left, 10);
    EXPECT_EQ(o.top, -20);
    EXPECT_EQ(o.configFile, "/conf/a=b/ORVO.INI") << "everything after the first =";
    EXPECT_TRUE(o.problems.empty());
    EXPECT_FALSE(o.help);
}

TEST(OutlinerCommandLine, OptionsInAnyCaseAndOrderAndAMainFileLikeAnOption) {
    OutlinerOptions o = parseOutlinerArguments({"-inifile=/c/O.INI", "-l=us", "-i= OrvoProject:Book ", "-paper.tex"});
    EXPECT_EQ(o.configFile, "/c/O.INI");
    EXPECT_EQ(o.language, "us");
    EXPECT_EQ(o.projectSection, "OrvoProject:Book");
    EXPECT_EQ(o.mainFile, "-paper.tex");
    EXPECT_FALSE(o.left);
    EXPECT_TRUE(o.problems.empty());
}

TEST(OutlinerCommandLine, ReportsBadArguments) {
    struct Case {
        const char* name;
        Args arguments;
        std::vector<Kind> problems;
        const char* argument;  // of the last problem
    };
    const std::vector<Case> cases = {
        {"nothing", {}, {Kind::NoMainFile}, ""},
        {"only options", {"-L=DE", "-X=1"}, {Kind::NoMainFile}, ""},
        {"an empty main file", {"", "-X=1"}, {Kind::NoMainFile}, ""},
        {"a second file", {"/a.tex", "/b.tex"}, {Kind::ExtraArgument}, "/b.tex"},
        {"a word for a number", {"/a.tex", "-X=left"}, {Kind::NotANumber}, "-X=left"},
        {"no number", {"/a.tex", "-Y="}, {Kind::NotANumber}, "-Y="},
        {"a number with more", {"/a.tex", "-Y=12px"}, {Kind::NotANumber}, "-Y=12px"},
        {"a number too large", {"/a.tex", "-X=99999999999"}, {Kind::NotANumber}, "-X=99999999999"},
        {"several", {"-X=a", "/a.tex", "/b.tex"}, {Kind::NotANumber, Kind::ExtraArgument}, "/b.tex"},
        {"no file and a bad number", {"-X=a"}, {Kind::NoMainFile, Kind::NotANumber}, "-X=a"},
    };
    for (const Case& c : cases) {
        OutlinerOptions o = parseOutlinerArguments(c.arguments);
        std::vector<Kind> kinds;
        for (const ArgumentProblem& p : o.problems) kinds.push_back(p.kind);
        EXPECT_EQ(kinds, c.problems) << c.name;
        if (!o.problems.empty()) {
            EXPECT_EQ(o.problems.back().argument, c.argument) << c.name;
        }
    }
    EXPECT_FALSE(parseOutlinerArguments({"/a.tex", "-X=left"}).left) << "the desktop places the window";
    EXPECT_EQ(parseOutlinerArguments({"/a.tex", "/b.tex"}).mainFile, "/a.tex") << "the first file counts";
}

TEST(OutlinerCommandLine, HelpNeedsNoMainFile) {
    OutlinerOptions o = parseOutlinerArguments({"--help"});
    EXPECT_TRUE(o.help);
    EXPECT_TRUE(o.problems.empty());
}

}  // namespace
}  // namespace orvo
