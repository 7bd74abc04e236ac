// The Linux services against the real system, in a private folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>

#include "platform/linux/executable_path.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_instance_guard.h"
#include "platform/linux/linux_program_output.h"
#include "tests/temp_dir.h"

namespace orvo {
namespace {

TEST(ExecutablePath, IsTheRunningProgramAndItsFolderEndsInASlash) {
    std::string path = executablePath();
    std::string folder = executableFolder();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.substr(path.rfind('/') + 1), "orvo_platform_linux_tests");
    EXPECT_EQ(folder, path.substr(0, path.rfind('/') + 1));
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
}

TEST(LinuxFileSystem, AtomicWriteReplacesTheFileAndKeepsItsPermissions) {
    test::TempDir dir;
    std::string path = dir.write("ORVO.INI", "old");
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    LinuxFileSystem files;
    ASSERT_TRUE(files.writeFileAtomically(path, "new content"));
    EXPECT_EQ(files.readFile(path), "new content");
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(files.listDirectory(dir.path()), std::vector<std::string> {"ORVO.INI"});
}

TEST(LinuxFileSystem, FailedWriteLeavesNothingBehind) {
    test::TempDir dir;
    LinuxFileSystem files;
    EXPECT_FALSE(files.writeFileAtomically(dir.path() + "missing/ORVO.INI", "x"));
    EXPECT_FALSE(files.readFile(dir.path() + "missing/ORVO.INI").has_value());
    EXPECT_TRUE(files.listDirectory(dir.path()).empty());
}

TEST(LinuxFileSystem, FoldersFilesAndTheCurrentFolder) {
    test::TempDir dir;
    LinuxFileSystem files;
    ASSERT_TRUE(files.createDirectories(dir.path() + "a/b/c/"));
    EXPECT_TRUE(files.directoryExists(dir.path() + "a/b/c"));
    EXPECT_FALSE(files.fileExists(dir.path() + "a/b"));
    EXPECT_FALSE(files.readFile(dir.path() + "a").has_value());
    std::string before = files.currentDirectory();
    ASSERT_TRUE(files.setCurrentDirectory(dir.path() + "a/b"));
    EXPECT_EQ(files.currentDirectory(), dir.path() + "a/b/");
    ASSERT_TRUE(files.setCurrentDirectory(before));
    EXPECT_FALSE(files.setCurrentDirectory(""));
}

TEST(LinuxInstanceGuard, OnlyOneHolderOfAMarkAtATime) {
    test::TempDir dir;
    setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
    auto first = std::make_unique<LinuxInstanceGuard>();
    LinuxInstanceGuard second;
    EXPECT_TRUE(first->claim("Orvo test mark"));
    EXPECT_FALSE(second.claim("Orvo test mark"));
    LinuxInstanceGuard other;
    EXPECT_TRUE(other.claim("Another mark"));  // a different mark is independent
    first.reset();  // the holder ends: the mark is free again
    LinuxInstanceGuard third;
    EXPECT_TRUE(third.claim("Orvo test mark"));
}

TEST(LinuxProgramOutput, ReturnsTheOutputOfASuccessfulRunOnly) {
    LinuxProgramOutput programs(2000);
    EXPECT_EQ(programs.run({"printf", "a b\\n"}), "a b\n");
    EXPECT_FALSE(programs.run({"false"}).has_value());
    EXPECT_FALSE(programs.run({"no-such-program-orvo"}).has_value());
    EXPECT_FALSE(programs.run({}).has_value());
}

TEST(LinuxProgramOutput, AHangingProgramIsKilledAtTheTimeLimit) {
    LinuxProgramOutput programs(200);
    EXPECT_FALSE(programs.run({"sleep", "30"}).has_value());
}

}  // namespace
}  // namespace orvo
