// The workbench's own files: recorded where they were written, removed from
// a folder the main file leaves and from everywhere at quit, and never the
// user's document.
#include "core/work_files.h"

#include <gtest/gtest.h>

#include "core/environment_batch_file.h"
#include "core/workbench.h"
#include "platform/fake/fake_file_system.h"

namespace orvo {
namespace {

// Folder names are names: blanks, quotes and "$(...)" included.
const std::string kHome = "/home/u/";
const std::string kOdd = "/home/u/a b$(touch X);'c \"q\"/";
const std::string kOther = "/home/u/other/";

struct WorkFilesFixture : ::testing::Test {
    FakeFileSystem files;
    Workbench w;

    WorkFilesFixture() {
        w.iniDir = "/home/u/.config/orvo/";
        w.iniName = "ORVO.INI";
        files.addDirectory(kHome);
        files.addDirectory(kOdd);
        files.addDirectory(kOther);
    }

    // The environment files as start-up writes them, in the current folder.
    void writeEnvironmentIn(const std::string& folder) {
        ASSERT_TRUE(files.setCurrentDirectory(folder));
        writeEnvironmentBatchFile(w, files);
    }
    // The block compile's scratch files beside the main file.
    void writeDumpFilesIn(const std::string& folder) {
        for (const char* name : {"_DUMP_.TEX", "_DUMP_.SET"}) {
            ASSERT_TRUE(files.writeFileAtomically(folder + name, "x"));
            w.workFiles.written(folder + name);
        }
    }
    bool there(const std::string& path) const { return files.fileExists(path); }
};

TEST_F(WorkFilesFixture, TheEnvironmentWriterRecordsWhatItWrote) {
    writeEnvironmentIn(kOdd);
    EXPECT_EQ(w.workFiles.paths(), (std::set<std::string> {kOdd + "ORVOSET.BAT", kOdd + "orvoset.sh"}));
    files.failWrites = true;
    writeEnvironmentIn(kOther);
    EXPECT_EQ(w.workFiles.paths().size(), 2u) << "a file that was not written is no work file";
}

TEST_F(WorkFilesFixture, AtQuitEveryFolderLosesItsWorkFiles) {
    writeEnvironmentIn(kHome);
    writeDumpFilesIn(kOdd);
    writeDumpFilesIn(kOther);
    files.addFile(kOdd + "paper.tex");
    files.addFile(kOdd + "paper.log");
    removeAllWorkFiles(w, files);
    for (const std::string& path : {kHome + "ORVOSET.BAT", kHome + "orvoset.sh", kOdd + "_DUMP_.TEX",
                                    kOdd + "_DUMP_.SET", kOther + "_DUMP_.TEX", kOther + "_DUMP_.SET"})
        EXPECT_FALSE(there(path)) << path;
    EXPECT_TRUE(there(kOdd + "paper.tex"));
    EXPECT_TRUE(there(kOdd + "paper.log")) << "only work files go";
    EXPECT_TRUE(w.workFiles.paths().empty());
}

TEST_F(WorkFilesFixture, LeavingAFolderRemovesWhatWasWrittenThere) {
    struct Case {
        const char* why;
        std::string current;    // the current folder when the main file moves
        std::string newFolder;  // where the main file moves to
        std::set<std::string> left;
    };
    const Case cases[] = {
        {"another folder", kHome, kOther, {kHome + "ORVOSET.BAT", kHome + "orvoset.sh"}},
        {"the environment files stay in the current folder", kOdd, kOther,
         {kHome + "ORVOSET.BAT", kHome + "orvoset.sh", kOdd + "ORVOSET.BAT", kOdd + "orvoset.sh"}},
        {"another file in the same folder", kHome, kOdd,
         {kHome + "ORVOSET.BAT", kHome + "orvoset.sh", kOdd + "ORVOSET.BAT", kOdd + "orvoset.sh", kOdd + "_DUMP_.TEX",
          kOdd + "_DUMP_.SET"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        w.workFiles = {};
        writeEnvironmentIn(kHome);
        writeEnvironmentIn(kOdd);
        writeDumpFilesIn(kOdd);
        ASSERT_TRUE(files.setCurrentDirectory(c.current));
        w.mainPath = c.newFolder;
        removeWorkFilesLeftBehind(w, files, kOdd);
        for (const std::string& path : {kHome + "ORVOSET.BAT", kOdd + "ORVOSET.BAT", kOdd + "_DUMP_.TEX"})
            EXPECT_EQ(there(path), c.left.count(path) > 0) << path;
        EXPECT_EQ(w.workFiles.paths(), c.left);
    }
}

TEST_F(WorkFilesFixture, TheMainFileIsNeverAWorkFile) {
    writeDumpFilesIn(kOdd);
    w.mainPath = kOdd;
    w.MainFileName = "_DUMP_.TEX";
    removeAllWorkFiles(w, files);
    EXPECT_TRUE(there(kOdd + "_DUMP_.TEX"));
    EXPECT_FALSE(there(kOdd + "_DUMP_.SET"));
}

TEST_F(WorkFilesFixture, AFileThatWouldNotGoIsTriedAgainAtQuit) {
    writeDumpFilesIn(kOdd);
    files.undeletable.insert(kOdd + "_DUMP_.TEX");
    w.mainPath = kOther;
    removeWorkFilesLeftBehind(w, files, kOdd);
    EXPECT_EQ(w.workFiles.paths(), std::set<std::string> {kOdd + "_DUMP_.TEX"});
    files.undeletable.clear();
    removeAllWorkFiles(w, files);
    EXPECT_FALSE(there(kOdd + "_DUMP_.TEX"));
    EXPECT_TRUE(w.workFiles.paths().empty());
    files.files.erase(kOdd + "_DUMP_.SET");
    w.workFiles.written(kOdd + "_DUMP_.SET");
    removeAllWorkFiles(w, files);
    EXPECT_TRUE(w.workFiles.paths().empty()) << "a file that is gone already is forgotten";
}

}  // namespace
}  // namespace orvo
