// The clean-up dialog's logic: the check list from `CleanupFiles`, the
// folder, and what OK hands to the deletion.
#include <gtest/gtest.h>

#include "tests/cleanup_rig.h"

namespace orvo {
namespace {

class RecordingCleanupView : public CleanupView {
public:
    std::vector<std::string> masks;
    std::vector<bool> ticks;
    std::string folder;
    std::optional<bool> deeper;
    int closes = 0;

    void showMasks(const std::vector<std::string>& shown) override {
        masks = shown;
        ticks.assign(shown.size(), false);
    }
    void showTick(std::size_t entry, bool ticked) override { ticks.at(entry) = ticked; }
    void showFolder(const std::string& shown) override { folder = shown; }
    void showDeeperFolders(bool shown) override { deeper = shown; }
    void closeWindow() override { ++closes; }
};

struct CleanupDialogFixture : ::testing::Test, test::CleanupRig {
    RecordingCleanupView view;
    CleanupDialog dialog {w, view, services()};

    void SetUp() override {
        w.mainPath = "/home/u/docs/";
        w.MainFileName = "paper.tex";
        w.CleanupFiles = "*.AUX; *.LOG ;*.BAK;_DUMP_.*";
        files.addFile("/home/u/docs/paper.tex");
        files.addFile("/home/u/docs/paper.aux");
        files.addFile("/home/u/docs/paper.log");
        files.addFile("/home/u/docs/paper.bak");
        files.addFile("/home/u/docs/ch/ch.aux");
        files.addFile("/home/u/other/x.log");
    }
};

TEST_F(CleanupDialogFixture, OpensOnTheMainFolderWithEveryMaskUnticked) {
    files.current = "/";
    dialog.open();
    EXPECT_EQ(files.current, "/home/u/docs") << "the main folder becomes the current folder";
    EXPECT_EQ(view.folder, "/home/u/docs/");
    EXPECT_EQ(view.deeper, std::optional(false));
    EXPECT_EQ(view.masks, (std::vector<std::string> {"*.AUX", "*.LOG", "*.BAK", "_DUMP_.*"}));
    EXPECT_EQ(view.ticks, std::vector<bool>(4, false));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(CleanupDialogFixture, OkDeletesTheTickedMasksInListOrderAndCloses) {
    dialog.open();
    dialog.toggle(2);
    dialog.toggle(0);
    dialog.toggle(1);
    dialog.toggle(1);  // a second click takes the tick away
    dialog.toggle(9);  // no such entry
    EXPECT_EQ(view.ticks, (std::vector<bool> {true, false, true, false}));
    dialog.ok();
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(deleting.interactive, std::optional(true));
    EXPECT_EQ(deleting.lines, (std::vector<std::string> {"/home/u/docs/paper.aux", "/home/u/docs/paper.bak", "", kDoneLine}));
    EXPECT_TRUE(files.fileExists("/home/u/docs/paper.log"));
    EXPECT_TRUE(files.fileExists("/home/u/docs/ch/ch.aux")) << "deeper folders only when asked";
}

TEST_F(CleanupDialogFixture, DeeperFoldersAreSearchedWhenTheBoxIsTicked) {
    dialog.open();
    dialog.toggle(0);
    dialog.setDeeperFolders(true);
    dialog.ok();
    EXPECT_EQ(deleting.lines, (std::vector<std::string> {"/home/u/docs/paper.aux", "/home/u/docs/ch/ch.aux", "", kDoneLine}));
}

TEST_F(CleanupDialogFixture, ReturningFromChangeFolderTakesTheTicksAway) {
    dialog.open();
    dialog.toggle(0);
    dialog.toggle(1);
    chosenFolder = "/home/u/other";
    dialog.changeFolder();
    ASSERT_EQ(chooserCalls.size(), 1u);
    EXPECT_EQ(chooserCalls[0].purpose, "Cleaning up files ...");
    EXPECT_EQ(chooserCalls[0].startFolder, "/home/u/docs/");
    EXPECT_EQ(view.folder, "/home/u/other/");
    EXPECT_EQ(view.ticks, std::vector<bool>(4, false));
    dialog.toggle(1);
    dialog.ok();
    EXPECT_EQ(deleting.lines, (std::vector<std::string> {"/home/u/other/x.log", "", kDoneLine}));
}

TEST_F(CleanupDialogFixture, AnAbortedChooserKeepsTheFolder) {
    dialog.open();
    dialog.changeFolder();
    EXPECT_EQ(view.folder, "/home/u/docs/");
    EXPECT_EQ(dialog.folder(), "/home/u/docs/");
}

TEST_F(CleanupDialogFixture, AnEmptyFieldStartsTheChooserAtTheRoot) {
    w.mainPath.clear();
    dialog.open();
    dialog.changeFolder();
    ASSERT_EQ(chooserCalls.size(), 1u);
    EXPECT_EQ(chooserCalls[0].startFolder, "/");
}

TEST_F(CleanupDialogFixture, AnEmptyListIsReportedOncePerOpening) {
    w.CleanupFiles.clear();
    w.messageTexts[7] = "List file missing or empty: $s";
    dialog.open();
    dialog.activated();  // the box took the activation and gave it back
    dialog.changeFolder();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.shown[0].text, "List file missing or empty: ");
    EXPECT_EQ(ui.shown[0].placement, MessagePlacement::MainWindowCentre);
    EXPECT_TRUE(view.masks.empty());
    dialog.open();
    EXPECT_EQ(ui.shown.size(), 2u);
}

TEST_F(CleanupDialogFixture, NothingIsRememberedFromOneOpeningToTheNext) {
    dialog.open();
    dialog.toggle(0);
    dialog.setDeeperFolders(true);
    chosenFolder = "/home/u/other/";
    dialog.changeFolder();
    dialog.cancel();
    EXPECT_EQ(view.closes, 1);
    EXPECT_TRUE(deleting.lines.empty()) << "Cancel deletes nothing";
    dialog.open();
    EXPECT_EQ(dialog.folder(), "/home/u/docs/");
    EXPECT_FALSE(dialog.deeperFolders());
    EXPECT_EQ(dialog.ticks(), std::vector<bool>(4, false));
}

}  // namespace
}  // namespace orvo
