// Reading and replacing real files: only regular files are read, no read
// waits, links are written through, and a killed write's leftovers go at the
// next write of the same file.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>

#include "platform/linux/atomic_replace.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/regular_file.h"
#include "tests/file_probes.h"
#include "tests/forked_check.h"
#include "tests/temp_dir.h"

namespace orvo {
namespace {

using test::isFifo;
using test::isLink;
using test::modeOf;
using test::sortedEntries;
using test::TempDir;

// --- Reading ---------------------------------------------------------------

TEST(LinuxFileRead, TellsAFileFromNothingAndFromWhatIsNoFile) {
    TempDir dir;
    std::string file = dir.write("ORVO.INI", "[System]\n");
    std::string fifo = dir.path() + "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    ASSERT_EQ(::symlink(file.c_str(), (dir.path() + "link").c_str()), 0);
    struct Case {
        std::string path;
        std::optional<FileError::Kind> error;
        std::string content;
    };
    const Case cases[] = {
        {file, std::nullopt, "[System]\n"},
        {dir.path() + "link", std::nullopt, "[System]\n"},
        {dir.path() + "missing", FileError::Kind::Missing, ""},
        {file + "/below", FileError::Kind::Missing, ""},
        {"", FileError::Kind::Missing, ""},
        {dir.path(), FileError::Kind::NotRegularFile, ""},
        {fifo, FileError::Kind::NotRegularFile, ""},
        {"/dev/null", FileError::Kind::NotRegularFile, ""},
    };
    LinuxFileSystem files;
    for (const Case& c : cases) {
        FileRead read = files.read(c.path);
        EXPECT_EQ(read.error ? std::optional(read.error->kind) : std::nullopt, c.error) << c.path;
        EXPECT_EQ(read.content, c.content) << c.path;
        EXPECT_EQ(files.readFile(c.path).has_value(), !c.error) << c.path;
    }
}

// A plain open() of a FIFO waits for a writer for ever; the read runs in a
// child so that a fault shows as a time-out, not as a hanging test.
TEST(LinuxFileRead, NeverWaitsOnAFifoOrADevice) {
    TempDir dir;
    std::string fifo = dir.path() + "ORVO.INI";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/tty")}) {
        std::optional<int> status = test::runForked(
            [&path] { return LinuxFileSystem().read(path).unreadable() ? 0 : 1; }, {2000});
        EXPECT_EQ(status, 0) << path << (status ? "" : ": the read blocked");
    }
}

TEST(LinuxFileRead, AFileWithoutReadPermissionIsThereButUnreadable) {
    std::optional<test::UnprivilegedUser> user = test::unprivilegedUser();
    if (!user) GTEST_SKIP() << "no user nobody to read as";
    TempDir dir;
    std::string file = dir.write("ORVO.INI", "secret");
    ASSERT_EQ(::chmod(file.c_str(), 0), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(dir.path().c_str(), user->uid, user->gid), 0);
        ASSERT_EQ(::chown(file.c_str(), user->uid, user->gid), 0);
    }
    std::optional<int> status = test::runForked(
        [&file] {
            FileRead read = LinuxFileSystem().read(file);
            if (!read.unreadable() || read.error->kind != FileError::Kind::System) return 1;
            return read.error->code == EACCES ? 0 : 2;
        },
        {5000, true});
    EXPECT_EQ(status, 0);
}

TEST(LinuxFileRead, ProcFilesAreReadToTheEndAndALimitCutsTheRead) {
    FileRead status = readRegularFile("/proc/self/status");
    ASSERT_TRUE(status.ok());
    EXPECT_NE(status.content.find("\nVmRSS:"), std::string::npos) << "a size of 0 is no end";
    TempDir dir;
    std::string program = dir.write("program", "\x7f" "ELF and more");
    EXPECT_EQ(readRegularFile(program, 4).content, "\x7f" "ELF");
}

// --- Replacing -------------------------------------------------------------

TEST(LinuxFileReplace, ALinkIsWrittenThroughAndStaysALink) {
    enum class Form { Relative, Absolute, Chain };  // the chain: link -> second -> target
    for (Form form : {Form::Relative, Form::Absolute, Form::Chain}) {
        TempDir root;
        std::string target = root.write("target/ORVO.INI", "old");
        ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
        root.write("links/keep", "");
        std::string link = root.path() + "links/ORVO.INI";
        std::string second = root.path() + "links/second";
        switch (form) {
            case Form::Relative: ASSERT_EQ(::symlink("../target/ORVO.INI", link.c_str()), 0); break;
            case Form::Absolute: ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0); break;
            case Form::Chain:
                ASSERT_EQ(::symlink(target.c_str(), second.c_str()), 0);
                ASSERT_EQ(::symlink("second", link.c_str()), 0);
                break;
        }
        std::vector<std::string> linksBefore = sortedEntries(root.path() + "links");
        int n = int(form);

        LinuxFileSystem files;
        ASSERT_TRUE(files.replace(link, "new").ok()) << n;
        EXPECT_TRUE(isLink(link)) << n;
        EXPECT_EQ(root.read("target/ORVO.INI"), "new") << n;
        EXPECT_EQ(modeOf(target), 0640u) << n;
        EXPECT_EQ(sortedEntries(root.path() + "target"), std::vector<std::string> {"ORVO.INI"}) << n;
        EXPECT_EQ(sortedEntries(root.path() + "links"), linksBefore) << n;
    }
}

TEST(LinuxFileReplace, ALinkToNothingCreatesItsTarget) {
    TempDir dir;
    std::string link = dir.path() + "ORVO.INI";
    ASSERT_EQ(::symlink("real.ini", link.c_str()), 0);
    ASSERT_TRUE(LinuxFileSystem().replace(link, "new").ok());
    EXPECT_TRUE(isLink(link));
    EXPECT_EQ(dir.read("real.ini"), "new");
    EXPECT_EQ(modeOf(dir.path() + "real.ini"), 0644u);
}

TEST(LinuxFileReplace, OnlyARegularFileIsReplaced) {
    TempDir dir;
    std::string fifo = dir.path() + "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::string linkToFifo = dir.path() + "link";
    ASSERT_EQ(::symlink(fifo.c_str(), linkToFifo.c_str()), 0);
    std::string folder = dir.path() + "folder";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    std::string loop = dir.path() + "loop";
    ASSERT_EQ(::symlink(loop.c_str(), loop.c_str()), 0);
    struct Case {
        std::string path;
        FileError::Kind kind;
        int code;
    };
    const Case cases[] = {
        {fifo, FileError::Kind::NotRegularFile, 0},
        {linkToFifo, FileError::Kind::NotRegularFile, 0},
        {folder, FileError::Kind::NotRegularFile, 0},
        {folder + "/", FileError::Kind::System, EISDIR},
        {loop, FileError::Kind::System, ELOOP},
        {dir.path() + "missing/ORVO.INI", FileError::Kind::Missing, ENOENT},
    };
    std::vector<std::string> before = sortedEntries(dir.path());
    for (const Case& c : cases) {
        FileWrite written = LinuxFileSystem().replace(c.path, "x");
        ASSERT_TRUE(written.error) << c.path;
        EXPECT_EQ(written.error->kind, c.kind) << c.path;
        EXPECT_EQ(written.error->code, c.code) << c.path;
    }
    EXPECT_TRUE(isFifo(fifo));
    EXPECT_TRUE(isLink(linkToFifo));
    EXPECT_EQ(sortedEntries(dir.path()), before) << "no temporary file is left";
}

// --- Leftovers of killed writes --------------------------------------------

TEST(LinuxFileReplace, TemporaryNamesAreRecognisedForTheirOwnFileOnly) {
    struct Case {
        const char* entry;
        bool ours;
    };
    const Case cases[] = {
        {".ORVO.INI.orvo-tmp-a1B2c3", true},
        {".ORVO.INI.orvo-tmp-a1B2c", false},
        {".ORVO.INI.orvo-tmp-a1B2c34", false},
        {".ORVO.INI.orvo-tmp-a1B2c!", false},
        {"ORVO.INI.orvo-tmp-a1B2c3", false},
        {".ORVO.INIX.orvo-tmp-a1B2c3", false},
        {".orvo.ini.orvo-tmp-a1B2c3", false},
        {"ORVO.INI.backup", false},
        {"ORVO.INI.a1B2c3", false},
    };
    for (const Case& c : cases) EXPECT_EQ(isTemporaryNameOf(c.entry, "ORVO.INI"), c.ours) << c.entry;
    EXPECT_EQ(temporaryNamePrefix("paper.ORVOPAR"), ".paper.ORVOPAR.orvo-tmp-");
}

TEST(LinuxFileReplace, TheNextWriteRemovesAKilledWritesLeftoversAndNothingElse) {
    TempDir dir;
    std::string file = dir.write("ORVO.INI", "old");
    for (const char* name : {".ORVO.INI.orvo-tmp-a1B2c3", ".ORVO.INI.orvo-tmp-Zz9900"}) dir.write(name, "torn");
    // A user's files with names alike, a write in progress (its lock held)
    // and things of the right name that no write of ours leaves.
    const std::vector<std::string> kept = {
        ".ORVO.INI.orvo-tmp-held01", ".ORVO.INI.orvo-tmp-link01", ".ORVO.INI.orvo-tmp-dir001",
        ".ORVO.INI.orvo-tmp-hard01", ".OTHER.INI.orvo-tmp-a1B2c3", "ORVO.INI.backup", "ORVO.INI.a1B2c3",
        "hard", "ORVO.INI",
    };
    for (const char* name : {".OTHER.INI.orvo-tmp-a1B2c3", "ORVO.INI.backup", "ORVO.INI.a1B2c3", "hard"})
        dir.write(name, "mine");
    std::string held = dir.write(".ORVO.INI.orvo-tmp-held01", "being written");
    int holder = ::open(held.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    ASSERT_EQ(::symlink("hard", (dir.path() + ".ORVO.INI.orvo-tmp-link01").c_str()), 0);
    ASSERT_EQ(::mkdir((dir.path() + ".ORVO.INI.orvo-tmp-dir001").c_str(), 0755), 0);
    ASSERT_EQ(::link((dir.path() + "hard").c_str(), (dir.path() + ".ORVO.INI.orvo-tmp-hard01").c_str()), 0);

    ASSERT_TRUE(LinuxFileSystem().replace(file, "new").ok());
    ::close(holder);
    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sortedEntries(dir.path()), expected);
    EXPECT_EQ(dir.read("ORVO.INI"), "new");
    EXPECT_EQ(dir.read("ORVO.INI.backup"), "mine");
}

TEST(LinuxFileReplace, LeftoversBesideALinksTargetGoAtTheWriteThroughTheLink) {
    TempDir dir;
    dir.write("target/paper.ORVOPAR", "old");
    dir.write("target/.paper.ORVOPAR.orvo-tmp-q1w2e3", "torn");
    dir.write("doc/keep", "");
    std::string link = dir.path() + "doc/paper.ORVOPAR";
    ASSERT_EQ(::symlink("../target/paper.ORVOPAR", link.c_str()), 0);
    ASSERT_TRUE(LinuxFileSystem().replace(link, "new").ok());
    EXPECT_EQ(sortedEntries(dir.path() + "target"), std::vector<std::string> {"paper.ORVOPAR"});
    EXPECT_EQ(sortedEntries(dir.path() + "doc"), (std::vector<std::string> {"keep", "paper.ORVOPAR"}));
}

// --- Listing ---------------------------------------------------------------

// A link is listed as what it is, never as what it points to: whoever walks
// a tree must be able to keep out of a linked folder.
TEST(LinuxFileList, EachEntryComesWithItsOwnKind) {
    TempDir dir;
    dir.write("list/A.LOG", "");
    dir.write("list/.hidden", "");
    dir.write("list/sub/inner", "");
    dir.write("elsewhere/keep", "");
    std::string list = dir.path() + "list/";
    ASSERT_EQ(::symlink((dir.path() + "elsewhere").c_str(), (list + "to-folder").c_str()), 0);
    ASSERT_EQ(::symlink("A.LOG", (list + "to-file").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", (list + "dangling").c_str()), 0);
    ASSERT_EQ(::mkfifo((list + "fifo").c_str(), 0644), 0);
    using Kind = DirectoryEntry::Kind;
    const std::map<std::string, std::pair<Kind, bool>> expected = {
        {"A.LOG", {Kind::File, false}},    {".hidden", {Kind::File, true}},   {"sub", {Kind::Folder, false}},
        {"to-folder", {Kind::Link, false}}, {"to-file", {Kind::Link, false}}, {"dangling", {Kind::Link, false}},
        {"fifo", {Kind::File, false}},
    };
    std::map<std::string, std::pair<Kind, bool>> listed;
    for (const DirectoryEntry& entry : LinuxFileSystem().listEntries(list))
        listed[entry.name] = {entry.kind, entry.hidden()};
    EXPECT_EQ(listed, expected);
    EXPECT_TRUE(LinuxFileSystem().listEntries(dir.path() + "missing").empty());
    EXPECT_TRUE(LinuxFileSystem().listEntries(list + "A.LOG").empty());
}

TEST(LinuxFileList, TheSameFileIsKnownByAnyRoute) {
    TempDir dir;
    std::string paper = dir.write("docs/paper.tex", "");
    std::string other = dir.write("docs/other.tex", "");
    ASSERT_EQ(::symlink((dir.path() + "docs").c_str(), (dir.path() + "route").c_str()), 0);
    struct Case {
        std::string a, b;
        bool same;
    };
    const Case cases[] = {
        {paper, paper, true},
        {paper, dir.path() + "route/paper.tex", true},
        {paper, dir.path() + "docs//./paper.tex", true},
        {paper, other, false},
        {paper, dir.path() + "docs/missing.tex", false},
        {dir.path() + "missing", dir.path() + "missing", false},
        {"", "", false},
    };
    for (const Case& c : cases) EXPECT_EQ(LinuxFileSystem().sameFile(c.a, c.b), c.same) << c.a << " / " << c.b;
}

}  // namespace
}  // namespace orvo
