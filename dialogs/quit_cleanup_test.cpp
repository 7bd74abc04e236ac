// The quit's deletion: the `DelFiles` masks in the main folder only, never a
// sweep of the root, and a termination request passed on.
#include <gtest/gtest.h>

#include "core/workbench.h"
#include "dialogs/delete_files.h"
#include "dialogs/quit_cleanup.h"
#include "tests/recording_deleting_view.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_mount_table.h"

namespace orvo {
namespace {

struct QuitCleanupFixture : ::testing::Test {
    FakeFileSystem files;
    FakeMountTable mounts;
    Workbench w;
    test::RecordingDeletingView view;
    int windowsOpened = 0;
    bool terminate = false;
    DeleteFiles engine {w,
                        {files, mounts,
                         [this]() -> DeletingFilesView& {
                             ++windowsOpened;
                             return view;
                         },
                         [this] { return terminate; }, [] { return false; }}};
    QuitCleanup quit {w, engine};

    void SetUp() override {
        w.mainPath = "/home/u/docs/";
        w.MainFileName = "PAPER.TEX";
        w.DelFiles = "*.BAK;*.LOG";
        for (const char* path : {"/home/u/docs/PAPER.TEX", "/home/u/docs/PAPER.BAK", "/home/u/docs/PAPER.LOG",
                                 "/home/u/docs/OLD/X.LOG", "/PAPER.LOG", "/home/u/docs/PAPER.AUX"})
            files.addFile(path);
    }
};

TEST_F(QuitCleanupFixture, DeletesTheMasksInTheMainFolderButNotBelowIt) {
    EXPECT_TRUE(quit.run());
    EXPECT_EQ(view.interactive, std::optional(false));
    EXPECT_EQ(view.lines, (std::vector<std::string> {"/home/u/docs/PAPER.BAK", "/home/u/docs/PAPER.LOG", "", kDoneLine}));
    for (const char* kept : {"/home/u/docs/PAPER.TEX", "/home/u/docs/OLD/X.LOG", "/home/u/docs/PAPER.AUX"})
        EXPECT_TRUE(files.fileExists(kept)) << kept;
}

TEST_F(QuitCleanupFixture, NoMasksOrNoMainFolderOpenNoWindow) {
    struct Case {
        const char* why;
        std::string delFiles;
        std::string mainPath;
    };
    const Case cases[] = {
        {"no masks", "", "/home/u/docs/"},
        {"no main folder: it would be the current one", "*.LOG", ""},
        {"a main file at the root", "*.LOG", "/"},
        {"the root, however written", "*.LOG", "//"},
    };
    for (const Case& c : cases) {
        w.DelFiles = c.delFiles;
        w.mainPath = c.mainPath;
        files.current = "/home/u/docs";
        EXPECT_TRUE(quit.run()) << c.why;
        EXPECT_EQ(windowsOpened, 0) << c.why;
        EXPECT_TRUE(files.fileExists("/PAPER.LOG")) << c.why;
        EXPECT_TRUE(files.fileExists("/home/u/docs/PAPER.LOG")) << c.why;
    }
}

TEST_F(QuitCleanupFixture, ATerminationRequestStopsTheRestOfTheCleanUp) {
    terminate = true;
    EXPECT_FALSE(quit.run());
}

TEST_F(QuitCleanupFixture, ARunningJobKeepsEveryFileAndTheShutDownGoesOn) {
    w.jobs.compileBusy = true;
    EXPECT_TRUE(quit.run());
    EXPECT_EQ(view.lines, std::vector<std::string> {kJobRunningLine});
    EXPECT_TRUE(files.fileExists("/home/u/docs/PAPER.LOG"));
}

}  // namespace
}  // namespace orvo
