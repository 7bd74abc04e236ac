#include "core/command_line.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

using Parameters = std::vector<std::string>;

TEST(CommandLineTest, FirstParameterSelectsTheModeAndMenuCountsAnywhere) {
    struct Case {
        Parameters parameters;
        bool iniFile;
        bool initialization;
        bool menu;
        bool document;
    };
    const Case cases[] = {
        {{}, false, false, false, false},
        {{"-INIFILE", "/x/MY.INI"}, true, false, false, false},
        {{"-IniFile", "MY.INI"}, true, false, false, false},
        {{"-INI"}, false, true, false, false},
        {{"--ini"}, false, true, false, false},
        {{"-i"}, false, true, false, false},
        {{"-I", "-MENU"}, false, true, true, false},
        {{"-MENU"}, false, false, true, false},
        {{"-menu", "/docs/paper.tex"}, false, false, true, false},
        {{"/docs/paper.tex"}, false, false, false, true},
        {{"/docs/paper.tex", "/docs/chap1.tex"}, false, false, false, true},
        {{"/docs/paper.tex", "-Menu"}, false, false, true, true},
        {{"/docs/paper.tex", "/docs/chap1.tex", "-MENU"}, false, false, true, true},
        // Only the first parameter selects a mode.
        {{"/docs/paper.tex", "-INI"}, false, false, false, true},
        {{"/docs/paper.tex", "-INIFILE", "/x/MY.INI"}, false, false, false, true},
        // Near misses are documents.
        {{"-INIF"}, false, false, false, true},
        {{"-MENUX"}, false, false, false, true},
    };
    for (const Case& c : cases) {
        CommandLine line {c.parameters};
        std::string shown = ::testing::PrintToString(c.parameters);
        EXPECT_EQ(line.namesIniFile(), c.iniFile) << shown;
        EXPECT_EQ(line.asksInitialization(), c.initialization) << shown;
        EXPECT_EQ(line.hasMenu(), c.menu) << shown;
        EXPECT_EQ(line.namesDocument(), c.document) << shown;
    }
}

TEST(CommandLineTest, IniFileSplitsIntoFolderAndName) {
    struct Case {
        Parameters parameters;
        const char* folder;
        const char* name;
    };
    const Case cases[] = {
        {{"-INIFILE", "/home/u/x/MY.INI"}, "/home/u/x/", "MY.INI"},
        {{"-inifile", "MY.INI"}, "", "MY.INI"},
        {{"-INIFILE", "conf/orvo.ini"}, "conf/", "orvo.ini"},
        {{"-INIFILE", "/MY.INI", "-MENU"}, "/", "MY.INI"},
    };
    for (const Case& c : cases) {
        CommandLine line {c.parameters};
        EXPECT_TRUE(line.namesIniFile()) << c.parameters[1];
        EXPECT_EQ(line.iniFileFolder(), c.folder) << c.parameters[1];
        EXPECT_EQ(line.iniFileName(), c.name) << c.parameters[1];
    }
}

// "-INIFILE" with nothing after it names no file: ConfigFile is then looked
// for where it always is, instead of at an empty path that can never be saved.
TEST(CommandLineTest, IniFileWithoutPathNamesNoFile) {
    for (const Parameters& parameters : {Parameters {"-INIFILE"}, Parameters {"-INIFILE", ""}}) {
        CommandLine line {parameters};
        EXPECT_FALSE(line.namesIniFile()) << parameters.size();
        EXPECT_FALSE(line.namesDocument()) << parameters.size();
    }
}

}  // namespace
}  // namespace orvo
