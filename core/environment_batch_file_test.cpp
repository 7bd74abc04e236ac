#include "core/environment_batch_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "core/workbench.h"
#include "platform/fake/fake_file_system.h"
#include "tests/temp_dir.h"

namespace orvo {
namespace {

TEST(EnvironmentBatchFile, SetLinesInSectionOrderThenPathAndEditor) {
    EnvironmentEntries entries {{"A", "1"}, {" B ", " two words "}, {"CLS", ""}};
    EXPECT_EQ(environmentBatchText(entries, " /usr/bin:/bin ", "emacs +%d %s"),
              "set A=1\r\nset B=two words\r\nset CLS=\r\nset PATH=/usr/bin:/bin\r\nset TEXEDIT=emacs +%d %s\r\n");
}

TEST(EnvironmentBatchFile, ShellLinesQuoteEveryValueAndSkipNamesTheShellCannotTake) {
    EnvironmentEntries entries {{"A", "1"}, {"WEIRD-NAME", "x"}, {"9LIVES", "x"}, {"Q", "it's $HOME `id`; a&b"}};
    EXPECT_EQ(environmentShellText(entries, "/usr/bin", ""),
              "export A='1'\n"
              "export Q='it'\\''s $HOME `id`; a&b'\n"
              "export PATH='/usr/bin'\n"
              "export TEXEDIT=''\n");
}

TEST(EnvironmentBatchFile, SourcingTheShellFileGivesTheValuesUnchanged) {
    test::TempDir dir;
    const std::string tricky = "it's \"$HOME\" `touch pwned` $(touch pwned); a&b | c \\ end";
    dir.write(kEnvironmentShellFile, environmentShellText({{"TRICKY", tricky}}, "/usr/bin:/bin", "vi +%d %s"));
    std::string command = "cd '" + dir.path() + "' && sh -c '. ./orvoset.sh && printf %s \"$TRICKY|$TEXEDIT|$PATH\"'";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0);
    EXPECT_EQ(output, tricky + "|vi +%d %s|/usr/bin:/bin");
    EXPECT_NE(::access((dir.path() + "pwned").c_str(), F_OK), 0) << "nothing in a value ran";
}

class EnvironmentBatchFileTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    Workbench w;

    EnvironmentBatchFileTest() {
        w.iniDir = "/cfg/";
        w.iniName = "ORVO.INI";
        w.savedPath = "/usr/bin:/bin";
        files.addFile("/cfg/ORVO.INI", "[Environment]\nA=1\nB=two words\n");
        files.addDirectory("/docs");
        files.current = "/docs";
    }
};

TEST_F(EnvironmentBatchFileTest, BothFilesAreWrittenIntoTheCurrentFolderFromConfigFile) {
    writeEnvironmentBatchFile(w, files);
    EXPECT_EQ(files.readFile("/docs/ORVOSET.BAT"),
              "set A=1\r\nset B=two words\r\nset PATH=/usr/bin:/bin\r\nset TEXEDIT=\r\n");
    EXPECT_EQ(files.readFile("/docs/orvoset.sh"),
              "export A='1'\nexport B='two words'\nexport PATH='/usr/bin:/bin'\nexport TEXEDIT=''\n");
    deleteEnvironmentBatchFile(files);
    EXPECT_FALSE(files.fileExists("/docs/ORVOSET.BAT"));
    EXPECT_FALSE(files.fileExists("/docs/orvoset.sh"));
    deleteEnvironmentBatchFile(files);  // nothing there: nothing happens
}

TEST_F(EnvironmentBatchFileTest, AFolderThatCannotBeWrittenGetsNothing) {
    files.failWrites = true;
    writeEnvironmentBatchFile(w, files);
    EXPECT_FALSE(files.fileExists("/docs/ORVOSET.BAT"));
    EXPECT_FALSE(files.fileExists("/docs/orvoset.sh"));
}

}  // namespace
}  // namespace orvo
