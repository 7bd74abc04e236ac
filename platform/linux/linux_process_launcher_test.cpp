// Starting processes on the real system.
#include "platform/linux/linux_process_launcher.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/temp_dir.h"
#include "tests/wait_until.h"

namespace orvo {
namespace {

bool exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

TEST(LinuxProcessLauncher, AWaitedProcessIsWaitedForInSlices) {
    LinuxProcessLauncher launcher;
    auto process = launcher.start({"sh", "-c", "sleep 0.4"});
    ASSERT_TRUE(process);
    EXPECT_FALSE(launcher.waitForEnd(*process, 50));
    EXPECT_TRUE(launcher.waitForEnd(*process, 5000));
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "reaped: no child left";
}

TEST(LinuxProcessLauncher, AProgramThatCannotStartIsKnownAtOnce) {
    LinuxProcessLauncher launcher;
    test::TempDir dir;
    std::string notExecutable = dir.write("data.txt", "text");
    for (const std::vector<std::string>& argv :
         {std::vector<std::string> {"no-such-program-orvo"}, {notExecutable}, {""}, {}}) {
        EXPECT_FALSE(launcher.start(argv)) << ::testing::PrintToString(argv);
        EXPECT_FALSE(launcher.startDetached(argv)) << ::testing::PrintToString(argv);
    }
}

TEST(LinuxProcessLauncher, ADetachedProcessRunsOnAndLeavesNoZombie) {
    LinuxProcessLauncher launcher;
    test::TempDir dir;
    std::string pidFile = dir.path() + "pid";
    ASSERT_TRUE(launcher.startDetached({"sh", "-c", "echo $$ > \"$1\"; sleep 0.3", "sh", pidFile}));
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "the workbench has no child to reap";
    ASSERT_TRUE(test::waitUntil([&] { return !dir.read("pid").empty(); }));
    std::string pid = dir.read("pid");
    pid.pop_back();
    EXPECT_TRUE(exists("/proc/" + pid));
    EXPECT_TRUE(test::waitUntil([&] { return !exists("/proc/" + pid); })) << "gone entirely, not a zombie";
}

TEST(LinuxProcessLauncher, OnlyTheStandardDescriptorsArePassedOnAndInputIsEmpty) {
    LinuxProcessLauncher launcher;
    test::TempDir dir;
    int leaked = ::open("/dev/null", O_RDONLY);  // not close-on-exec
    ASSERT_GE(leaked, 0);
    ASSERT_EQ(::dup2(leaked, 77), 77);
    std::string out = dir.path() + "fds";
    for (bool detached : {false, true}) {
        std::vector<std::string> argv {"sh", "-c", "ls /proc/$$/fd > \"$1\"; readlink /proc/$$/fd/0 >> \"$1\"", "sh", out};
        if (detached) {
            ASSERT_TRUE(launcher.startDetached(argv));
            ASSERT_TRUE(test::waitUntil([&] { return dir.read("fds").find("/dev/null") != std::string::npos; }));
        } else {
            auto process = launcher.start(argv);
            ASSERT_TRUE(process);
            ASSERT_TRUE(launcher.waitForEnd(*process, 5000));
        }
        std::string listing = dir.read("fds");
        EXPECT_EQ(listing.find("77"), std::string::npos) << listing;
        EXPECT_NE(listing.find("/dev/null"), std::string::npos) << listing;
        ::unlink(out.c_str());
    }
    ::close(77);
    ::close(leaked);
}

}  // namespace
}  // namespace orvo
