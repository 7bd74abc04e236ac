// Opening programs, documents, folders and addresses on the real system, with
// a recording xdg-open first on PATH.
#include "platform/linux/linux_shell_open.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>

#include "tests/temp_dir.h"
#include "tests/wait_until.h"

namespace orvo {
namespace {

class LinuxShellOpenTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
        bin_ = tools.path() + "bin/";
        ::mkdir(bin_.c_str(), 0755);
        writeScript(bin_ + "xdg-open", "#!/bin/sh\nprintf '%s|%s\\n' \"$PWD\" \"$*\" >> \"" + tools.path() + "opened\"\n");
        ::setenv("PATH", (bin_ + ":" + oldPath_).c_str(), 1);
    }
    void TearDown() override { ::setenv("PATH", oldPath_.c_str(), 1); }

    static void writeScript(const std::string& path, const std::string& text) {
        FILE* f = std::fopen(path.c_str(), "w");
        std::fputs(text.c_str(), f);
        std::fclose(f);
        ::chmod(path.c_str(), 0755);
    }
    // The lines the recording opener wrote, once `count` are there.
    std::string opened(std::size_t count) {
        test::waitUntil([&] {
            std::string text = tools.read("opened");
            return std::size_t(std::count(text.begin(), text.end(), '\n')) >= count;
        });
        return tools.read("opened");
    }

    test::TempDir tools;
    test::TempDir docs;
    std::string bin_;
    std::string oldPath_;
};

TEST_F(LinuxShellOpenTest, AProgramRunsWithItsParametersInTheFolder) {
    writeScript(docs.path() + "tool.sh", "#!/bin/sh\nprintf '%s|%s|%s' \"$PWD\" \"$1\" \"$2\" > out\n");
    LinuxShellOpen shell;
    ASSERT_TRUE(shell.open({"tool.sh", {"a b", "$(touch X)"}, docs.path()}));
    ASSERT_TRUE(test::waitUntil([&] { return !docs.read("out").empty(); }));
    std::string folder = docs.path();
    folder.pop_back();
    EXPECT_EQ(docs.read("out"), folder + "|a b|$(touch X)");
    EXPECT_TRUE(docs.read("opened").empty() && tools.read("opened").empty()) << "no opener for a program";
}

TEST_F(LinuxShellOpenTest, DocumentsFoldersAndAddressesGoToTheOpener) {
    docs.write("-paper.pdf", "%PDF-1.4");
    docs.write("notes.sh", "#!/bin/sh\n");  // a script without the executable bit is a document
    LinuxShellOpen shell;
    std::string folder = docs.path();
    folder.pop_back();
    ASSERT_TRUE(shell.open({"-paper.pdf", {"ignored"}, docs.path()}));
    ASSERT_TRUE(shell.open({"notes.sh", {}, docs.path()}));
    ASSERT_TRUE(shell.open({docs.path(), {}, ""}));
    ASSERT_TRUE(shell.open({"https://tug.org/texlive/", {}, docs.path()}));
    const std::string lines = opened(4);
    for (const std::string& line : {folder + "|" + docs.path() + "-paper.pdf", folder + "|" + docs.path() + "notes.sh",
                                    "|" + docs.path(), folder + "|https://tug.org/texlive/"}) {
        EXPECT_NE(lines.find(line.substr(line.find('|'))), std::string::npos) << line << "\nin\n" << lines;
    }
}

TEST_F(LinuxShellOpenTest, WhatIsNotThereIsAFailureWithItsReason) {
    LinuxShellOpen shell;
    for (const ShellOpenRequest& request : {ShellOpenRequest {"missing.pdf", {}, docs.path()},
                                            ShellOpenRequest {"sub/missing", {}, docs.path()},
                                            ShellOpenRequest {"no-such-program-orvo", {}, docs.path()},
                                            ShellOpenRequest {"", {}, docs.path()}}) {
        ShellOpenResult result = shell.open(request);
        EXPECT_FALSE(result) << request.target;
        EXPECT_FALSE(result.error.empty()) << request.target;
    }
}

TEST(StartableProgram, OnlyExecutableElfFilesAndScripts) {
    test::TempDir dir;
    EXPECT_TRUE(isStartableProgram("/bin/sh"));
    std::string script = dir.write("s", "#!/bin/sh\n");
    std::string text = dir.write("t", "hello");
    ::chmod(script.c_str(), 0755);
    ::chmod(text.c_str(), 0755);
    EXPECT_TRUE(isStartableProgram(script));
    EXPECT_FALSE(isStartableProgram(text)) << "executable bit alone";
    EXPECT_FALSE(isStartableProgram(dir.path())) << "a folder";
    EXPECT_FALSE(isStartableProgram(dir.path() + "none"));
}

}  // namespace
}  // namespace orvo
