// orvocmd run for real, as the workbench runs it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/orvo_process.h"
#include "tests/run_program.h"
#include "tests/temp_dir.h"

namespace orvo {
namespace {

class OrvocmdRun : public ::testing::Test {
protected:
    test::TempDir dir;

    test::ProgramRun orvocmd(std::vector<std::string> arguments, test::Variables variables = {}) {
        arguments.insert(arguments.begin(), test::stageFolder() + "orvocmd");
        return test::runProgram(arguments, dir.path(), variables, 20000);
    }
    bool exists(const std::string& name) const { return ::access((dir.path() + name).c_str(), F_OK) == 0; }
};

TEST_F(OrvocmdRun, RunsTheProgramAndExitsWithItsStatus) {
    EXPECT_EQ(orvocmd({"/c", "/e:6000", "@ignored", "sh", "-c", "exit 7"}).status, 7);
    EXPECT_EQ(orvocmd({"/c", "true"}).status, 0);
    EXPECT_EQ(orvocmd({}).status, 0) << "nothing to run";
    test::ProgramRun missing = orvocmd({"/c", "no-such-program-orvo", "x"});
    EXPECT_EQ(missing.status, 127);
    EXPECT_NE(missing.output.find("no-such-program-orvo"), std::string::npos);
}

TEST_F(OrvocmdRun, AFileNameReachesTheProgramAsOneArgumentAndRunsNothing) {
    const std::string name = "my \"paper\" $HOME;touch pwned&`touch pwned2`$(touch pwned3)|x'.tex";
    test::ProgramRun run = orvocmd({"/c", "printf", "[%s]", name, "second"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "[" + name + "][second]");
    EXPECT_FALSE(exists("pwned") || exists("pwned2") || exists("pwned3"));
}

TEST_F(OrvocmdRun, AWholeCommandLineInOneArgumentIsSplitWithoutAShell) {
    test::ProgramRun run = orvocmd({"/c", "printf [%s] \"a b\" $HOME;touch pwned"});
    EXPECT_EQ(run.output, "[a b][$HOME;touch][pwned]");
    EXPECT_FALSE(exists("pwned"));
}

TEST_F(OrvocmdRun, ScriptsRunWithTheShellFoundInAnyCaseFromTheFolderThenPath) {
    dir.write("compiler.btm", "printf 'here:%s:%s|' \"$#\" \"$1\"\n");
    dir.write("bin/AUTOSTART.BAT", "printf 'path:%s|' \"$1\"\n");
    dir.write("bin/notes", "printf 'plain:%s|' \"$1\"\n");
    test::Variables path {{"PATH", dir.path() + "bin:/usr/bin:/bin"}};
    EXPECT_EQ(orvocmd({"/c", "COMPILER.BTM", "my file.tex"}, path).output, "here:1:my file.tex|");
    EXPECT_EQ(orvocmd({"/c", "autostart.bat", "x y"}, path).output, "path:x y|");
    EXPECT_EQ(orvocmd({"/c", dir.path() + "BIN/AUTOSTART.BAT", "z"}, path).status, 127) << "folders are not guessed";
    EXPECT_EQ(orvocmd({"/c", dir.path() + "bin/Autostart.Bat", "z"}, path).output, "path:z|");
    EXPECT_EQ(orvocmd({"/c", "notes", "n"}, path).output, "plain:n|") << "no executable binary: the shell";
}

TEST_F(OrvocmdRun, AnExecutableScriptRunsWithItsOwnInterpreter) {
    std::string tool = dir.write("bin/tool", "#!/bin/sh\nprintf 'tool:%s' \"$0\"\n");
    ASSERT_EQ(::chmod(tool.c_str(), 0755), 0);
    test::ProgramRun run = orvocmd({"/c", "tool"}, {{"PATH", dir.path() + "bin:/usr/bin:/bin"}});
    EXPECT_EQ(run.output, "tool:" + tool);
}

}  // namespace
}  // namespace orvo
