#include "core/shutdown.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <string>
#include <vector>

#include "core/startup.h"
#include "tests/shutdown_fixture.h"

namespace orvo {
namespace {

using Calls = std::vector<std::string>;

TEST_F(ShutdownTest, QuitStoresTheTabbedWindowsPositionInConfigFile) {
    shutdown.recordWindowPosition();
    shutdown.run();
    EXPECT_EQ(written(key::XScreenPos), "120");
    EXPECT_EQ(written(key::YScreenPos), "80");
}

TEST_F(ShutdownTest, PositionIsKeptWhenNotRecordedByQuit) {
    struct Case {
        const char* name;
        bool menubar;
        bool tabPagesHidden;
        bool quit;
    };
    const Case cases[] = {
        {"closed by the window's close button", false, false, false},
        {"speedbar configured", true, true, true},
        {"speedbar shown", false, true, true},
    };
    for (const Case& c : cases) {
        FakeFileSystem files;
        files.addDirectory("/home/u/.config/orvo");
        FakeMainWindowView view;
        view.window = {120, 80, 481, 240, c.tabPagesHidden};
        Workbench w = workbench;
        w.Menubar = c.menubar;
        Shutdown shutdown(w, view, {files, ui, desktop}, ports());
        if (c.quit) shutdown.recordWindowPosition();
        shutdown.run();
        IniDocument config(files.readFile(kShutdownIniPath).value_or(""));
        EXPECT_EQ(config.readString(key::XScreenPos.section, key::XScreenPos.name, ""), "10") << c.name;
        EXPECT_EQ(config.readString(key::YScreenPos.section, key::YScreenPos.name, ""), "20") << c.name;
    }
}

TEST_F(ShutdownTest, RunsOnlyOnce) {
    EXPECT_FALSE(shutdown.hasRun());
    shutdown.run();
    EXPECT_TRUE(shutdown.hasRun());
    EXPECT_EQ(files.writeCount, 1);
    std::size_t calls = view.calls.size();
    shutdown.run();
    EXPECT_EQ(files.writeCount, 1);
    EXPECT_EQ(view.calls.size(), calls);
}

TEST_F(ShutdownTest, DropsStayOnTopAfterSavingTheSetting) {
    workbench.StayOnTop = true;
    view.onTop = true;
    shutdown.run();
    EXPECT_FALSE(view.onTop);
    EXPECT_EQ(written(key::StayOnTop), "1");
    EXPECT_EQ(view.calls, (std::vector<std::string> {"lockUpdates 1", "setStayOnTop 0", "lockUpdates 0"}));
}

TEST_F(ShutdownTest, LeavesAWindowThatIsNotOnTopAlone) {
    shutdown.run();
    EXPECT_EQ(view.count("setStayOnTop"), 0);
}

TEST_F(ShutdownTest, FailedWriteIsReportedAndShutDownGoesOn) {
    files.failWrites = true;
    view.onTop = true;
    shutdown.run();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_NE(ui.shown[0].text.find(kShutdownIniPath), std::string::npos) << ui.shown[0].text;
    EXPECT_FALSE(view.onTop);
    EXPECT_FALSE(view.locked);
}

// A shut-down for a signal shows no box; the log keeps every failed write,
// ShowINIErrors or not.
TEST_F(ShutdownTest, FailedWritesGoToTheLogWithTheFileAndTheReason) {
    files.addFile("/docs/paper.tex");
    workbench.mainPath = "/docs/";
    workbench.MainFileName = "paper.tex";
    workbench.ShowINIErrors = false;
    files.failWrites = true;
    shutdown.run();
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(ui.logged, (std::vector<std::string> {
                             "couldn't write /docs/paper.ORVOPAR: No space left on device",
                             "couldn't write /home/u/.config/orvo/ORVO.INI: No space left on device"}));
}

TEST_F(ShutdownTest, AConfigFileStartUpCouldNotReadIsLeftAlone) {
    files.addFile(kShutdownIniPath, "[UserChoice]\nMine=1\n");
    files.unreadable[kShutdownIniPath] = {FileError::Kind::System, EACCES};
    workbench.unreadableConfigFile = kShutdownIniPath;
    shutdown.run();
    EXPECT_EQ(files.writesTo(kShutdownIniPath), 0);
    EXPECT_EQ(files.files.at(kShutdownIniPath), "[UserChoice]\nMine=1\n");
    EXPECT_TRUE(ui.shown.empty()) << "start-up has said so";
    EXPECT_TRUE(ui.logged.empty());
}

TEST_F(ShutdownTest, ReleasesTextsSoMessagesFallBack) {
    workbench.messageTexts.assign(kMessageTextCount, " ");
    workbench.messageTexts[kAlreadyRunningMessage] = "Orvo runs already.";
    workbench.uiStrings = {"a", "b"};
    EXPECT_EQ(Startup::messageText(workbench, kAlreadyRunningMessage, "fallback"), "Orvo runs already.");
    EXPECT_EQ(Startup::messageText(workbench, 3, "fallback"), "fallback");
    shutdown.run();
    EXPECT_TRUE(workbench.uiStrings.empty());
    EXPECT_EQ(Startup::messageText(workbench, kAlreadyRunningMessage, "fallback"), "fallback");
}

// Notes whether ConfigFile was already written when the editor is asked to quit.
class QuitAfterWrite : public RecordingEditorQuit {
public:
    explicit QuitAfterWrite(const FakeFileSystem& files) : files_(files) {}
    bool configWrittenFirst = false;
    void saveAndQuit() override {
        configWrittenFirst = files_.fileExists(kShutdownIniPath);
        RecordingEditorQuit::saveAndQuit();
    }

private:
    const FakeFileSystem& files_;
};

TEST_F(ShutdownTest, TheEditorHearsOfTheQuitOnlyOnceTheSettingsAreWritten) {
    QuitAfterWrite editor(files);
    Shutdown quit(workbench, view, {files, ui, desktop}, {sessionJobs, editor, dialogs});
    quit.run();
    EXPECT_TRUE(editor.configWrittenFirst);
    EXPECT_EQ(editor.calls, (Calls {"saveAndQuit", "notifySpellChecker"}));
}

TEST_F(ShutdownTest, TheCleanUpFollowsTheQuitOptions) {
    struct Case {
        const char* name;
        bool quitUseBTM;
        bool runDosWindow;
        bool deletionSucceeds;
        Calls dialogs;
        Calls jobs;
    };
    const Case cases[] = {
        {"cleaning up itself", false, true, true, {"quitDeletion"}, {"closeAuxiliaryWindows"}},
        {"a failed deletion skips the rest", false, false, false, {"quitDeletion"}, {}},
        {"the closing script in the console", true, true, true, {}, {"runClosingScriptInConsole"}},
        {"the closing script on its own", true, false, true, {}, {"startClosingScript"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSessionJobs jobs;
        RecordingUtilityDialogs quitDialogs;
        quitDialogs.deletionSucceeds = c.deletionSucceeds;
        Workbench w = workbench;
        w.QuitUseBTM = c.quitUseBTM;
        w.RunDosWindow = c.runDosWindow;
        Shutdown quit(w, view, {files, ui, desktop}, {jobs, editorQuit, quitDialogs});
        quit.run();
        EXPECT_EQ(quitDialogs.calls, c.dialogs);
        EXPECT_EQ(jobs.calls, c.jobs);
    }
}

// A session that wrote its work files into several folders leaves none of
// them behind, whatever the clean-up at quit.
TEST_F(ShutdownTest, EveryWorkFileGoesAtQuit) {
    for (bool quitUseBTM : {false, true}) {
        FakeFileSystem files;
        files.addDirectory("/home/u/.config/orvo");
        Workbench w = workbench;
        w.QuitUseBTM = quitUseBTM;
        const std::vector<std::string> written = {"/home/u/ORVOSET.BAT", "/home/u/orvoset.sh",
                                                  "/home/u/a b$(touch X);'c/_DUMP_.TEX",
                                                  "/home/u/a b$(touch X);'c/_DUMP_.SET"};
        for (const std::string& path : written) {
            files.addFile(path);
            w.workFiles.written(path);
        }
        files.addFile("/home/u/a b$(touch X);'c/paper.tex");
        files.current = "/home/u/docs";
        Shutdown quit(w, view, {files, ui, desktop}, ports());
        quit.run();
        for (const std::string& path : written) EXPECT_FALSE(files.fileExists(path)) << path << " " << quitUseBTM;
        EXPECT_TRUE(files.fileExists("/home/u/a b$(touch X);'c/paper.tex"));
    }
}

}  // namespace
}  // namespace orvo
