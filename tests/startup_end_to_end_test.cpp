// The real program, started and ended as a user would: first run, a
// hand-written ConfigFile rewritten at Quit or SIGTERM, damaged files, a
// second instance.
#include <gtest/gtest.h>
#include <signal.h>

#include "core/ini_document.h"
#include "tests/orvo_process.h"
#include "tests/run_program.h"
#include "tests/temp_dir.h"

namespace orvo::test {
namespace {

constexpr int kTimeoutMs = 30000;

class StartupEndToEnd : public ::testing::Test {
protected:
    TempDir home;
    std::map<std::string, std::string> environment() const {
        return {{"HOME", home.path()}, {"XDG_CONFIG_HOME", home.path() + ".config"},
                {"XDG_RUNTIME_DIR", home.path()}};
    }
};

TEST_F(StartupEndToEnd, FirstRunWritesACompleteConfigurationAndOpensTheDocument) {
    std::string document = home.write("docs/paper.tex", "\\relax\n");
    auto env = environment();
    env["ORVO_REPORT_SHOWN"] = "1";
    OrvoProcess orvo({document}, env);
    ASSERT_TRUE(orvo.started());
    EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();

    IniDocument ini(home.read(".config/orvo/ORVO.INI"));
    EXPECT_EQ(ini.readString("UserChoice", "OwnTeXTreeDir", ""), home.path() + "texfiles/");
    EXPECT_EQ(ini.readString("UserChoice", "MainFileName", ""), document);
    EXPECT_EQ(ini.readString("System", "Web2cBINDir", ""), "/usr/bin/");
    EXPECT_EQ(ini.readString("System", "Web2cDir", ""), "/usr/share/texlive/");
    EXPECT_EQ(ini.readString("System", "4DosProgram", ""), stageFolder() + "orvocmd");
    EXPECT_EQ(ini.readString("UserChoice", "OrvoLanguage", ""), "US");
    EXPECT_TRUE(ini.value("Screens", "Form21_Y").has_value());
    EXPECT_FALSE(home.read("texfiles/latexsample.tex").empty());
    // Manual pages and help documents are TeX Live's documentation; gv shows them.
    std::string dist = runProgram({"kpsewhich", "-var-value", "TEXMFDIST"}, "/").output;
    std::string docs = dist.substr(0, dist.find('\n')) + "/doc/";
    EXPECT_EQ(ini.readString("UserChoice", "ManualPageDir", ""), docs);
    EXPECT_EQ(ini.readString("UserChoice", "HelpFilesDir", ""), docs);
    EXPECT_EQ(ini.readString("System", "GSView", ""), "gv");
}

// Qt has options of its own ("-reverse", "-style"); the workbench's command
// line is its own, so a document of such a name, given relative to the
// launch folder, is a document.
TEST_F(StartupEndToEnd, ADocumentNamedLikeAnOptionIsTakenAsADocument) {
    for (const char* name : {"-reverse", "-style"}) {
        SCOPED_TRACE(name);
        std::string document = home.write(std::string("docs/") + name, "\\relax\n");
        auto env = environment();
        env["ORVO_REPORT_SHOWN"] = "1";
        OrvoProcess orvo("/bin/sh", {"-c", "cd '" + home.path() + "docs' && exec '" + stageFolder() + "orvo' " + name},
                         env);
        ASSERT_TRUE(orvo.started());
        EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();
        IniDocument ini(home.read(".config/orvo/ORVO.INI"));
        EXPECT_EQ(ini.readString("UserChoice", "MainFileName", ""), document);
    }
}

TEST_F(StartupEndToEnd, SigtermRewritesAHandWrittenConfigurationKeepingWhatItDoesNotOwn) {
    std::string document = home.write("paper.tex", "\\relax\n");
    std::string config = home.write("conf/MY.INI",
                                    "; my settings\n" + kDebianTexLive +
                                    "[userchoice]\n"
                                    "ownTeXtreeDir = " + home.path() + "\n"
                                    "MainFileName=\"" + document + "\"\n"
                                    "ScreenFontsize = 11\n"
                                    "FavouriteColour=green\n"
                                    "[Tools]\n"
                                    "Mine=1\n"
                                    "[Options]\n"
                                    "AlwaysDevirtualize=7\n"
                                    "XScreenPos=0x20\n");
    auto env = environment();
    env["ORVO_REPORT_SHOWN"] = "stay";
    OrvoProcess orvo({"-INIFILE", config}, env);
    ASSERT_TRUE(orvo.waitForOutput("orvo-shown", kTimeoutMs)) << orvo.output();
    orvo.signal(SIGTERM);
    EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();

    std::string text = home.read("conf/MY.INI");
    IniDocument ini(text);
    EXPECT_EQ(text.rfind("; my settings\n[System]\n", 0), 0u);
    EXPECT_EQ(ini.readString("userchoice", "FavouriteColour", ""), "green");
    EXPECT_EQ(ini.readString("Tools", "Mine", ""), "1");
    EXPECT_EQ(ini.readString("UserChoice", "MainFileName", ""), document);
    EXPECT_EQ(ini.readInteger("UserChoice", "ScreenFontSize", 0), 11);
    EXPECT_EQ(ini.readString("Options", "AlwaysDevirtualize", ""), "1");
    EXPECT_TRUE(ini.value("System", "Web2cDir").has_value());
    // The workbench's keys of a section stand in the writer's order.
    std::vector<std::string> system = ini.keyNames("System");
    ASSERT_GE(system.size(), 3u);
    EXPECT_EQ(system[0], "Web2cDir");
    EXPECT_EQ(system[1], "Web2cBINDir");
    EXPECT_EQ(system[2], "MainExtension");
}

struct DamagedFile {
    const char* name;
    std::string content;
};

class DamagedConfiguration : public StartupEndToEnd, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedConfiguration, StartsWithTheDefaultsAndEndsCleanly) {
    std::string config = home.write("ORVO.INI", GetParam().content);
    auto env = environment();
    env["ORVO_REPORT_SHOWN"] = "1";
    OrvoProcess orvo({"-INIFILE", config}, env);
    EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();
    EXPECT_TRUE(IniDocument(home.read("ORVO.INI")).value("Options", "XScreenPos").has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedConfiguration,
    ::testing::Values(
        DamagedFile {"BinaryBytes", std::string("\x00\x01\xff[Sys\x00tem]\n\xfe=\x01\n", 15)},
        DamagedFile {"MegabyteLine", kDebianTexLive + "[UserChoice]\nOwnTeXTreeDir=/tmp/\nViewer=" + std::string(1 << 20, 'x') + "\n"},
        DamagedFile {"MissingBracket", "[UserChoice\nOwnTeXTreeDir=/tmp/\n[Options\nXScreenPos=5"},
        DamagedFile {"NoFinalLineBreak", kDebianTexLive + "[UserChoice]\nOwnTeXTreeDir=/tmp/"}),
    [](const ::testing::TestParamInfo<DamagedFile>& info) { return std::string(info.param.name); });

TEST_F(StartupEndToEnd, ASecondInstanceEndsWithoutTouchingTheFirst) {
    std::string config = home.write("ORVO.INI", kDebianTexLive + "[UserChoice]\nOwnTeXTreeDir=" + home.path() + "\n");
    auto env = environment();
    env["ORVO_REPORT_SHOWN"] = "stay";
    OrvoProcess first({"-INIFILE", config}, env);
    ASSERT_TRUE(first.waitForOutput("orvo-shown", kTimeoutMs)) << first.output();

    OrvoProcess second({"-INIFILE", config}, env);
    // The second shows its warning and never shows a main window; ending its
    // box (here by SIGTERM) ends it.
    EXPECT_FALSE(second.waitForOutput("orvo-shown", 2000));
    second.signal(SIGTERM);
    EXPECT_EQ(second.waitForExit(kTimeoutMs), 0) << second.output();

    first.signal(SIGTERM);
    EXPECT_EQ(first.waitForExit(kTimeoutMs), 0) << first.output();
}

TEST_F(StartupEndToEnd, TheEnvironmentBatchFilesLiveAsLongAsTheWorkbench) {
    std::string document = home.write("docs/paper.tex", "\\relax\n");
    auto env = environment();
    env["ORVO_REPORT_SHOWN"] = "stay";
    OrvoProcess orvo({document}, env);
    ASSERT_TRUE(orvo.waitForOutput("orvo-shown", kTimeoutMs)) << orvo.output();

    IniDocument ini(home.read(".config/orvo/ORVO.INI"));
    EXPECT_EQ(ini.readString("Environment", "COMSPEC", ""), stageFolder() + "orvocmd");
    EXPECT_EQ(ini.readString("Environment", "TEXMFCNF", "").back(), ':');
    std::string batch = home.read("docs/ORVOSET.BAT");
    EXPECT_NE(batch.find("set COMSPEC=" + stageFolder() + "orvocmd\r\n"), std::string::npos) << batch;
    EXPECT_NE(batch.find("\r\nset PATH="), std::string::npos) << batch;
    EXPECT_NE(home.read("docs/orvoset.sh").find("export ORVOPATH='" + stageFolder() + "'\n"), std::string::npos);

    orvo.signal(SIGTERM);
    EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();
    EXPECT_TRUE(home.read("docs/ORVOSET.BAT").empty());
    EXPECT_TRUE(home.read("docs/orvoset.sh").empty());
}

}  // namespace
}  // namespace orvo::test
