// The delete-files engine on an in-memory tree: which names go, in which
// order they are listed, and the safety rules (links, the main file, running
// jobs, discs, termination).
#include <gtest/gtest.h>

#include <set>

#include "core/workbench.h"
#include "dialogs/delete_files.h"
#include "tests/recording_deleting_view.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_mount_table.h"

namespace orvo {
namespace {

using test::RecordingDeletingView;

const std::string kDocs = "/home/u/docs/";

struct DeleteFilesFixture : ::testing::Test {
    FakeFileSystem files;
    FakeMountTable mounts;
    Workbench w;
    RecordingDeletingView view;
    int windowsOpened = 0;
    int eventRounds = 0;
    int terminateRound = -1;
    bool consoleJob = false;
    std::function<void()> onEvents;
    DeleteFiles engine {w,
                        {files, mounts,
                         [this]() -> DeletingFilesView& {
                             ++windowsOpened;
                             return view;
                         },
                         [this] {
                             ++eventRounds;
                             if (onEvents) onEvents();
                             return eventRounds == terminateRound;
                         },
                         [this] { return consoleJob; }}};

    std::set<std::string> remaining(const std::string& under = "/") const {
        std::set<std::string> names;
        for (const auto& [path, content] : files.files)
            if (path.compare(0, under.size(), under) == 0) names.insert(path);
        for (const auto& [path, target] : files.links)
            if (path.compare(0, under.size(), under) == 0) names.insert(path);
        return names;
    }
    DeleteOutcome run(const std::string& folder, const std::string& masks, bool subfolders = false) {
        return engine.run({folder, masks, subfolders, true});
    }
};

std::vector<std::string> withEnd(std::vector<std::string> lines) {
    lines.push_back("");
    lines.push_back(kDoneLine);
    return lines;
}

TEST_F(DeleteFilesFixture, EachMaskTakesExactlyTheNamesItMatches) {
    struct Case {
        const char* why;
        std::vector<std::string> names;
        std::string masks;
        std::vector<std::string> hits;  // in the order listed; the rest stays
    };
    const Case cases[] = {
        {"the extension test", {"A.BAK", "A.BAKUP"}, "*.BAK", {"A.BAK"}},
        {"any extension of the dump files", {"_DUMP_.SET", "_DUMP_.TEX", "PAPER.TEX"}, "_DUMP_.*",
         {"_DUMP_.SET", "_DUMP_.TEX"}},
        {"one character before LG", {"A.BLG", "A.ILG", "A.LOG"}, "*.?LG", {"A.BLG", "A.ILG"}},
        {"any case", {"paper.log", "PAPER.AUX"}, "*.LOG;*.aux", {"paper.log", "PAPER.AUX"}},
        {"masks in list order", {"A.AUX", "A.LOG"}, "*.LOG;*.AUX", {"A.LOG", "A.AUX"}},
        {"an empty piece between two ';' matches nothing", {"A.LOG", "B.BAK"}, "*.LOG;;*.BAK", {"A.LOG", "B.BAK"}},
        {"the dialog's list ends in ';'", {"A.LOG"}, "*.LOG;", {"A.LOG"}},
        {"blanks around a piece", {"A.LOG"}, " *.LOG ", {"A.LOG"}},
        {"a file listed by two masks is deleted by the first", {"A.LOG"}, "*.LOG;A.*", {"A.LOG"}},
        {"no mask at all", {"A.LOG"}, "", {}},
        {"a mask with a folder matches no name", {"A.LOG"}, "../*.LOG;/*.LOG", {}},
        {"hidden files are files", {".A.LOG"}, "*.LOG", {".A.LOG"}},
    };
    for (const Case& c : cases) {
        files.files.clear();
        view.lines.clear();
        for (const std::string& name : c.names) files.addFile(kDocs + name);
        EXPECT_EQ(run(kDocs, c.masks), DeleteOutcome::Done) << c.why;
        std::vector<std::string> hits;
        std::set<std::string> expectedLeft;
        for (const std::string& name : c.hits) hits.push_back(kDocs + name);
        for (const std::string& name : c.names)
            if (std::find(c.hits.begin(), c.hits.end(), name) == c.hits.end()) expectedLeft.insert(kDocs + name);
        EXPECT_EQ(view.lines, withEnd(hits)) << c.why;
        EXPECT_EQ(remaining(), expectedLeft) << c.why;
    }
}

TEST_F(DeleteFilesFixture, SubfoldersAreSearchedDepthFirstForEachMaskInTurn) {
    files.addFile(kDocs + "A.LOG");
    files.addFile(kDocs + "A.BAK");
    files.addFile(kDocs + "ch1/B.LOG");
    files.addFile(kDocs + "ch1/deep/C.LOG");
    files.addFile(kDocs + "ch2/D.BAK");
    files.addFile(kDocs + ".git/E.LOG");     // hidden: not entered
    files.addFile(kDocs + "ch1/.svn/F.BAK");  // hidden below too
    files.addDirectory(kDocs + "X.BAK");      // a folder that matches: listed, stays
    files.addFile(kDocs + "X.BAK/G.LOG");
    EXPECT_EQ(run(kDocs, "*.LOG;*.BAK", true), DeleteOutcome::Done);
    EXPECT_EQ(view.lines, withEnd({
                              kDocs + "A.LOG",
                              kDocs + "X.BAK/G.LOG",
                              kDocs + "ch1/B.LOG",
                              kDocs + "ch1/deep/C.LOG",
                              kDocs + "A.BAK",
                              kDocs + "X.BAK" + kNotDeletedMark,
                              kDocs + "ch2/D.BAK",
                          }));
    EXPECT_EQ(remaining(), (std::set<std::string> {kDocs + ".git/E.LOG", kDocs + "ch1/.svn/F.BAK"}));
    EXPECT_TRUE(files.directoryExists(kDocs + "X.BAK"));
}

TEST_F(DeleteFilesFixture, WithoutSubfoldersOnlyTheFolderItselfIsSearched) {
    files.addFile(kDocs + "A.LOG");
    files.addFile(kDocs + "old/X.LOG");
    run(kDocs, "*.LOG");
    EXPECT_EQ(view.lines, withEnd({kDocs + "A.LOG"}));
    EXPECT_EQ(remaining(), (std::set<std::string> {kDocs + "old/X.LOG"}));
}

TEST_F(DeleteFilesFixture, AFolderOnADiscIsNotSearched) {
    mounts.table.push_back({"/media/cdrom", "iso9660", "/dev/sr0"});
    mounts.table.push_back({"/home/u/docs/dvd", "udf", "/dev/sr1"});
    files.addFile("/media/cdrom/A.LOG");
    files.addFile(kDocs + "B.LOG");
    files.addFile(kDocs + "dvd/C.LOG");
    EXPECT_EQ(run("/media/cdrom/", "*.LOG", true), DeleteOutcome::Done);
    EXPECT_EQ(view.lines, withEnd({})) << "only an empty line and DONE!";
    view.lines.clear();
    run(kDocs, "*.LOG", true);
    EXPECT_EQ(view.lines, withEnd({kDocs + "B.LOG"})) << "a disc mounted below is left out";
    EXPECT_EQ(remaining(), (std::set<std::string> {"/media/cdrom/A.LOG", kDocs + "dvd/C.LOG"}));
}

TEST_F(DeleteFilesFixture, ALinkIsRemovedAsALinkAndALinkedFolderNeverEntered) {
    files.addFile("/home/u/thesis/T.LOG");
    files.addFile("/home/u/thesis/T.BAK");
    files.addLink(kDocs + "thesis", "/home/u/thesis");
    files.addLink(kDocs + "L.BAK", "/home/u/thesis/T.BAK");
    files.addLink(kDocs + "up.LOG", "/home/u");
    EXPECT_EQ(run(kDocs, "*.LOG;*.BAK", true), DeleteOutcome::Done);
    EXPECT_EQ(view.lines, withEnd({kDocs + "up.LOG", kDocs + "L.BAK"}));
    EXPECT_EQ(remaining(), (std::set<std::string> {"/home/u/thesis/T.BAK", "/home/u/thesis/T.LOG", kDocs + "thesis"}));
}

TEST_F(DeleteFilesFixture, TheMainFileIsNeverDeleted) {
    w.mainPath = kDocs;
    w.MainFileName = "paper.tex";
    files.addFile(kDocs + "paper.tex");
    files.addFile(kDocs + "other.tex");
    for (const std::string& folder : {kDocs, std::string("/home/u//docs")}) {
        view.lines.clear();
        files.addFile(kDocs + "other.tex");
        run(folder, "*.TEX");
        EXPECT_TRUE(files.fileExists(kDocs + "paper.tex")) << folder;
        EXPECT_FALSE(files.fileExists(kDocs + "other.tex")) << folder;
        EXPECT_EQ(view.lines, withEnd({kDocs + "other.tex", kDocs + "paper.tex" + kNotDeletedMark})) << folder;
    }
}

TEST_F(DeleteFilesFixture, AFileThatCannotBeDeletedIsListedAsStaying) {
    files.addFile(kDocs + "A.LOG");
    files.addFile(kDocs + "B.LOG");
    files.undeletable.insert(kDocs + "A.LOG");
    run(kDocs, "*.LOG");
    EXPECT_EQ(view.lines, withEnd({kDocs + "A.LOG" + kNotDeletedMark, kDocs + "B.LOG"}));
    EXPECT_EQ(remaining(), (std::set<std::string> {kDocs + "A.LOG"}));
}

TEST_F(DeleteFilesFixture, NothingIsDeletedWhileAJobRuns) {
    files.addFile(kDocs + "A.LOG");
    for (bool compile : {true, false}) {
        view.lines.clear();
        w.jobs.compileBusy = compile;
        consoleJob = !compile;
        EXPECT_EQ(run(kDocs, "*.LOG"), DeleteOutcome::JobRunning) << compile;
        EXPECT_EQ(view.lines, std::vector<std::string> {kJobRunningLine}) << compile;
        EXPECT_TRUE(files.fileExists(kDocs + "A.LOG")) << compile;
    }
}

// The events processed between two folders may start a compile.
TEST_F(DeleteFilesFixture, AJobStartedDuringTheSearchStopsIt) {
    files.addFile(kDocs + "A.LOG");
    files.addFile(kDocs + "sub/B.LOG");
    files.addFile(kDocs + "A.BAK");
    onEvents = [this] { w.jobs.compileBusy = true; };
    EXPECT_EQ(run(kDocs, "*.LOG;*.BAK", true), DeleteOutcome::JobRunning);
    EXPECT_EQ(view.lines, (std::vector<std::string> {kDocs + "A.LOG", kJobRunningLine}));
    EXPECT_EQ(remaining(), (std::set<std::string> {kDocs + "sub/B.LOG", kDocs + "A.BAK"}));
}

TEST_F(DeleteFilesFixture, ATerminationRequestEndsTheSearchAtOnce) {
    files.addFile(kDocs + "A.LOG");
    files.addFile(kDocs + "sub/B.LOG");
    files.addFile(kDocs + "A.BAK");
    terminateRound = 1;
    EXPECT_EQ(run(kDocs, "*.LOG;*.BAK", true), DeleteOutcome::Terminating);
    EXPECT_EQ(eventRounds, 1);
    EXPECT_EQ(view.lines, std::vector<std::string> {kDocs + "A.LOG"}) << "no DONE! after a stop";
    EXPECT_FALSE(view.searching);
}

TEST_F(DeleteFilesFixture, TheUserInterfaceRunsAfterEachFolder) {
    files.addFile(kDocs + "a/A.LOG");
    files.addFile(kDocs + "b/B.LOG");
    files.addFile(kDocs + "b/c/C.LOG");
    bool searchingMeanwhile = true;
    onEvents = [&] { searchingMeanwhile = searchingMeanwhile && view.searching; };
    run(kDocs, "*.LOG;*.BAK", true);
    EXPECT_EQ(eventRounds, 2 * 4) << "four folders for each of two masks";
    EXPECT_TRUE(searchingMeanwhile);
    EXPECT_FALSE(view.searching);
    EXPECT_EQ(view.searches, 1);
}

TEST_F(DeleteFilesFixture, EachRequestHasAWindowOfItsOwnInItsMode) {
    engine.run({kDocs, "*.LOG", false, true});
    EXPECT_EQ(view.interactive, std::optional(true));
    engine.run({kDocs, "*.LOG", false, false});
    EXPECT_EQ(view.interactive, std::optional(false));
    EXPECT_EQ(windowsOpened, 2);
    EXPECT_TRUE(view.shown);
}

TEST_F(DeleteFilesFixture, FolderNamesAreNamesAndAMissingFolderHoldsNothing) {
    const std::string odd = "/home/u/a b$(touch X);'c \"q\"/";
    files.addFile(odd + "A.LOG");
    files.addFile(odd + "A.TEX");
    run(odd, "*.LOG");
    EXPECT_EQ(view.lines, withEnd({odd + "A.LOG"}));
    EXPECT_EQ(remaining(), (std::set<std::string> {odd + "A.TEX"}));
    view.lines.clear();
    EXPECT_EQ(run("/home/u/missing/", "*.LOG", true), DeleteOutcome::Done);
    EXPECT_EQ(view.lines, withEnd({}));
}

TEST_F(DeleteFilesFixture, AnEmptyOrRelativeFolderIsTakenInTheCurrentFolder) {
    files.addFile(kDocs + "A.LOG");
    files.addFile(kDocs + "sub/B.LOG");
    files.current = "/home/u/docs";
    run("", "*.LOG");
    run("sub", "*.LOG");
    EXPECT_EQ(view.lines, (std::vector<std::string> {kDocs + "A.LOG", "", kDoneLine, kDocs + "sub/B.LOG", "", kDoneLine}));
}

}  // namespace
}  // namespace orvo
