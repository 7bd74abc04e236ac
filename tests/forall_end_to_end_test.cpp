// The running workbench offers its "forall" topic on the session bus: a
// block reported from outside is written beside the main file and compiled.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/text.h"
#include "tests/dde_test_editor.h"
#include "tests/orvo_process.h"
#include "tests/run_program.h"
#include "tests/temp_dir.h"
#include "tests/wait_until.h"

namespace orvo::test {
namespace {

constexpr int kTimeoutMs = 30000;

class ForallEndToEnd : public ::testing::Test {
protected:
    OwnNamedOrvo own;
    TempDir home;
    std::string mainFile;
    std::string config;

    ForallEndToEnd() {
        mainFile = home.write("doc/paper.tex", "\\documentclass{article}\n\\begin{document}\nText\n\\end{document}\n");
        // The command processor records what the run operation hands it.
        std::string recorder = home.write("record.sh", "#!/bin/sh\necho \"$@\" >> " + home.path() + "runs.txt\n");
        chmod(recorder.c_str(), 0755);
        config = home.write("ORVO.INI", "[System]\nWeb2cDir=/usr/share/texlive/\nWeb2cBINDir=/usr/bin/\n"
                                        "4DosProgram=" + recorder + "\n4DosOptions=/c\n"
                                        "[UserChoice]\nOwnTeXTreeDir=" + home.path() + "\n"
                                        "MainFileName=" + mainFile + "\nRunDosWindow=0\nViewer=xdvi\n");
    }
    std::map<std::string, std::string> environment() const {
        return {{"HOME", home.path()}, {"XDG_CONFIG_HOME", home.path() + ".config"},
                {"XDG_RUNTIME_DIR", home.path()}, {"ORVO_REPORT_SHOWN", "stay"}};
    }
    int send(const std::string& text) const {
        return runProgram({orvoddeProgram(), "execute", own.service(), "forall", text}, "/").status;
    }
    std::vector<std::string> runs() const {
        std::vector<std::string> lines = split(home.read("runs.txt"), '\n');
        if (!lines.empty() && lines.back().empty()) lines.pop_back();
        return lines;
    }
};

TEST_F(ForallEndToEnd, AFileAndALineFromOutsideWriteTheBlockAndRunItOnce) {
    OrvoProcess orvo(own.program(), {"-INIFILE", config}, environment());
    ASSERT_TRUE(orvo.waitForOutput("orvo-shown", kTimeoutMs)) << orvo.output();
    send("%CHECKSTAYONTOP");

    EXPECT_EQ(send("%FILE:/src/chapter one.tex"), 0);
    EXPECT_EQ(send("%LINE:12"), 0);
    // Acknowledged once handled: the files and the job are there already.
    EXPECT_EQ(home.read("doc/_DUMP_.SET"),
              "VIEWER=xdvi\r\nSTARTLINE=2\r\nBLOCKLINENUMBER=12\r\nBLOCKFILENAME=/src/chapter one.tex\r\n");
    EXPECT_EQ(home.read("doc/_DUMP_.TEX").rfind("\\documentclass{article}\r\n\\begin{document}\r\n", 0), 0u);
    EXPECT_TRUE(waitUntil([&] { return !runs().empty(); }, kTimeoutMs));
    ASSERT_EQ(runs().size(), 1u);
    EXPECT_EQ(runs()[0].rfind("/c " + stageFolder() + "BLCKCOMP.BTM paper.tex NODEVIRT ", 0), 0u) << runs()[0];

    // The same request: a later line only updates the number.
    EXPECT_EQ(send("%LINE:14"), 0);
    EXPECT_EQ(send("%FILE:/src/other.tex"), 0);
    EXPECT_EQ(runs().size(), 1u);
    EXPECT_NE(home.read("doc/_DUMP_.SET").find("BLOCKLINENUMBER=12"), std::string::npos);

    orvo.signal(SIGTERM);
    EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();
    EXPECT_NE(send("%LINE:1"), 0) << "the topic ends with the workbench";
}

// A main file named after the markers, a script beside it that the name
// mentions: the autostart job and the block run take the name as a name.
TEST(ForallEndToEndNames, AMainFileNamedLikeAMarkerRunsNothingItMentions) {
    OwnNamedOrvo own;
    TempDir home;
    std::string name = "x&4DOS evil.btm .tex";
    std::string mainFile =
        home.write("doc/" + name, "\\documentclass{article}\n\\begin{document}\nText\n\\end{document}\n");
    home.write("doc/evil.btm", "touch '" + home.path() + "EVIL-RAN'\n");
    std::string config =
        home.write("ORVO.INI", "[System]\nWeb2cDir=/usr/share/texlive/\nWeb2cBINDir=/usr/bin/\n"
                               "4DosProgram=" + stageFolder() + "orvocmd\n4DosOptions=/c\n"
                               "[UserChoice]\nOwnTeXTreeDir=" + home.path() + "\nMainFileName=" + mainFile +
                               "\nFormatName=&web2cbin/latex\nRunDosWindow=0\nRunAutostartBatchfile=1\nViewer=true\n");
    OrvoProcess orvo(own.program(), {"-INIFILE", config},
                     {{"HOME", home.path()}, {"XDG_CONFIG_HOME", home.path() + ".config"},
                      {"XDG_RUNTIME_DIR", home.path()}, {"ORVO_REPORT_SHOWN", "stay"}});
    // The autostart job has run (and been waited for) once the window is up.
    ASSERT_TRUE(orvo.waitForOutput("orvo-shown", kTimeoutMs)) << orvo.output();
    EXPECT_EQ(runProgram({orvoddeProgram(), "execute", own.service(), "forall", "%FILE:" + mainFile}, "/").status, 0);
    EXPECT_EQ(runProgram({orvoddeProgram(), "execute", own.service(), "forall", "%LINE:3"}, "/").status, 0);
    // BLCKCOMP runs on its own: the end of TeX's transcript marks the end of
    // the block run (the block is empty: no editor put one on the clipboard).
    EXPECT_TRUE(waitUntil([&] {
        return pathExists(home.path() + "doc/_DUMP_.log") &&
               home.read("doc/_DUMP_.log").find("No pages of output.") != std::string::npos;
    }, kTimeoutMs));
    EXPECT_FALSE(pathExists(home.path() + "EVIL-RAN")) << "the document's name ran a program";
    orvo.signal(SIGTERM);
    EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();
    EXPECT_FALSE(pathExists(home.path() + "EVIL-RAN"));
}

}  // namespace
}  // namespace orvo::test
