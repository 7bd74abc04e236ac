// The shipped batch scripts, run through orvocmd as the workbench runs them,
// on tiny documents with TeX Live.
#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/orvo_process.h"
#include "tests/run_program.h"
#include "tests/temp_dir.h"
#include "tests/wait_until.h"

namespace orvo {
namespace {

// A name with blanks, quotes and shell characters; TeX itself cannot take
// a double quote in a file name.
const std::string kMain = "my $paper; it's `x`.tex";
const std::string kMainBase = "my $paper; it's `x`";

std::string document(const std::string& body) {
    return "\\documentclass{article}\n\\begin{document}\n" + body + "\n\\end{document}\n";
}

int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

class BatchScripts : public ::testing::Test {
protected:
    test::TempDir temp;
    std::string folder = temp.path() + "doc folder/";

    BatchScripts() { temp.write("doc folder/.keep", ""); }

    test::ProgramRun script(const std::string& name, std::vector<std::string> arguments,
                            test::Variables variables = {}) {
        arguments.insert(arguments.begin(), {test::stageFolder() + "orvocmd", "/c", test::stageFolder() + name});
        variables.emplace("DISPLAY", "");
        return test::runProgram(arguments, folder, variables, 120000);
    }
    bool exists(const std::string& name) const { return ::access((folder + name).c_str(), F_OK) == 0; }
    void write(const std::string& name, const std::string& content) { temp.write("doc folder/" + name, content); }
    // Lines that start a TeX run, as the scripts print them.
    static int texRuns(const std::string& output) { return count("\n" + output, "\nlatex "); }
};

TEST_F(BatchScripts, CompilerRerunsWhileTheLogAsksAndAtMostThreeTimes) {
    struct Case {
        const char* name;
        std::string body;
        int runs;
    };
    const Case cases[] = {
        {"settled at once", "Plain text.", 1},
        {"a reference settles on the second run", "See~\\ref{s}.\\section{One}\\label{s}", 2},
        {"a log that always asks", "\\typeout{Rerun to get cross-references right.}", 3},
    };
    for (const Case& c : cases) {
        write(kMain, document(c.body));
        test::ProgramRun run = script("COMPILER.BTM", {kMain, "N", "&web2cbin/latex"});
        EXPECT_EQ(run.status, 0) << c.name << run.output;
        EXPECT_EQ(texRuns(run.output), c.runs) << c.name << run.output;
        EXPECT_TRUE(exists(kMainBase + ".dvi")) << c.name;
        EXPECT_FALSE(exists("x") || exists("pwned")) << "nothing in the name ran";
    }
}

TEST_F(BatchScripts, CompilerTakesTheFormatFromTheProgramFolderAndDevirtualizesOnY) {
    write("paper.tex", document("Text."));
    test::ProgramRun run = script("COMPILER.BAT", {"paper.tex", "Y", "&WEB2CBIN/latex", "-interaction=nonstopmode"},
                                  {{"UTILSDIR", "/usr/bin/"}});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("/usr/bin/latex -interaction=nonstopmode paper.tex"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("dvicopy paper.dvi"), std::string::npos) << run.output;
    EXPECT_EQ(temp.read("doc folder/paper.dvi").substr(0, 1), "\xF7") << "still a DVI file";
}

TEST_F(BatchScripts, CompilerReportsATeXErrorWithoutRerunning) {
    write("bad.tex", document("\\undefinedcommand"));
    test::ProgramRun run = script("COMPILER.BTM", {"bad.tex", "N", "latex", "-interaction=nonstopmode"});
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(texRuns(run.output), 1) << run.output;
}

TEST_F(BatchScripts, DevirtFindsTheDviOfTheMainFileInAnyCase) {
    write(kMain, document("Text."));
    ASSERT_EQ(script("COMPILER.BTM", {kMain, "N", "latex"}).status, 0);
    test::ProgramRun run = script("DEVIRT.BTM", {folder + "MY $PAPER; IT'S `X`.TEX", "noquit"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("dvicopy"), std::string::npos) << run.output;
    EXPECT_EQ(temp.read("doc folder/" + kMainBase + ".dvi").substr(0, 1), "\xF7");
    EXPECT_NE(script("DEVIRT.BTM", {folder + "missing.tex"}).status, 0);
}

TEST_F(BatchScripts, BlockCompileCompilesTheDumpAndStartsTheViewerOnIt) {
    write("_DUMP_.TEX", document("A block."));
    // The previewer entry is a command line: its words, then the DVI file.
    write("_DUMP_.SET", "VIEWER=sh viewer.sh -x\r\nSTARTLINE=2\r\nBLOCKLINENUMBER=40\r\nBLOCKFILENAME=/docs/ch1.tex\r\n");
    write("viewer.sh", "printf '%s|%s' \"$1\" \"$2\" > viewed\n");
    test::ProgramRun run = script("BLCKCOMP.BTM", {"paper.tex", "DEVIRT", "latex"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("The block of /docs/ch1.tex starting at line 40 follows line 2"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("dvicopy _DUMP_.dvi"), std::string::npos) << run.output;
    test::waitUntil([&] { return !temp.read("doc folder/viewed").empty(); });
    EXPECT_EQ(temp.read("doc folder/viewed"), "-x|_DUMP_.dvi");
}

TEST_F(BatchScripts, BlockCompileWithoutADumpStartsNothing) {
    EXPECT_EQ(script("BLCKCOMP.BTM", {"paper.tex", "NODEVIRT", "latex"}).status, 1);
}

TEST_F(BatchScripts, ClosingDeletesTheMasksHereOnlyAndClosesTheKillList) {
    for (const char* name : {"a.bak", "B.BAK", "x.log", "keep.tex", "sub/c.bak", "sub/y.log"}) write(name, "x");
    temp.write("outside.bak", "x");
    test::ProgramRun run =
        script("CLOSING.BTM", {}, {{"DELFILES", "*.BAK; *.LOG /s;;../*.bak;sub/*"}, {"KILL", "no-such-window-class"}});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_FALSE(exists("a.bak") || exists("B.BAK") || exists("x.log"));
    EXPECT_TRUE(exists("keep.tex") && exists("sub/c.bak") && exists("sub/y.log"));
    EXPECT_FALSE(temp.read("outside.bak").empty());
    EXPECT_NE(run.output.find("--close-windows no-such-window-class"), std::string::npos) << run.output;
    EXPECT_EQ(script("CLOSING.BAT", {}, {{"DELFILES", ""}, {"KILL", ""}}).status, 0);
}

TEST_F(BatchScripts, DebugWritesTheDiagnosisIntoTheOwnFolder) {
    temp.write("own tree/.keep", "");
    test::ProgramRun run = script("DEBUG.BTM", {temp.path() + "own tree/"});
    EXPECT_EQ(run.status, 0) << run.output;
    std::string report = temp.read("own tree/_DUMP_.BUG");
    for (const char* part : {"PATH=", "kpsewhich: /", "latex: /", "TEXMFROOT=/", "texmf.cnf: /"})
        EXPECT_NE(report.find(part), std::string::npos) << part << "\n" << report;
}

TEST_F(BatchScripts, MakelsrRefreshesTheTreeNamedInAnyCase) {
    write("texmf/tex/latex/mine/mine.sty", "% mine");
    test::ProgramRun run = script("makels-r.btm", {folder + "TEXMF"});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(temp.read("doc folder/texmf/ls-R").find("mine.sty"), std::string::npos);
    run = script("makels-r.bat", {folder + "nowhere"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("nothing to refresh"), std::string::npos) << run.output;
}

TEST_F(BatchScripts, AutostartNamesItsFiles) {
    test::ProgramRun run = script("AUTOSTART.BTM", {kMain, "/docs/ch 1.tex"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "Orvo starts with main file " + kMain + " and current file /docs/ch 1.tex.\n");
}

}  // namespace
}  // namespace orvo
