#include "core/shutdown.h"

#include <gtest/gtest.h>

#include "core/config_keys.h"
#include "core/ini_document.h"
#include "core/startup.h"
#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "platform/fake/fake_dde.h"
#include "jobs/launcher.h"
#include "jobs/console_window.h"
#include "platform/fake/fake_main_thread.h"
#include "platform/fake/fake_piped_process.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_process_launcher.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_console_view.h"
#include "tests/fake_main_window_view.h"

namespace orvo {
namespace {

constexpr const char* kIniPath = "/home/u/.config/orvo/ORVO.INI";

class ShutdownTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    FakeMainWindowView view;
    Workbench workbench;
    Shutdown shutdown {workbench, view, {files, ui, desktop}};

    ShutdownTest() {
        files.addDirectory("/home/u/.config/orvo");
        workbench.iniDir = "/home/u/.config/orvo/";
        workbench.iniName = "ORVO.INI";
        workbench.XScreenPos = 10;
        workbench.YScreenPos = 20;
        view.window = {120, 80, 481, 240, false};
    }

    std::string written(ConfigKey key) const {
        auto text = files.readFile(kIniPath);
        return text ? IniDocument(*text).readString(key.section, key.name, "<absent>") : "<no file>";
    }
};

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
        Shutdown shutdown(w, view, {files, ui, desktop});
        if (c.quit) shutdown.recordWindowPosition();
        shutdown.run();
        IniDocument config(files.readFile(kIniPath).value_or(""));
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
    EXPECT_NE(ui.shown[0].text.find(kIniPath), std::string::npos) << ui.shown[0].text;
    EXPECT_FALSE(view.onTop);
    EXPECT_FALSE(view.locked);
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


class ShutdownCleanUpTest : public ShutdownTest {
protected:
    FakeProcessLauncher processes;
    FakeOtherWindows windows;
    Launcher launcher {workbench, {processes, windows, files, ui}};
    Shutdown withJobs {workbench, view, {files, ui, desktop, &launcher}};

    ShutdownCleanUpTest() {
        workbench.KillProcesses = "XDvi;gv;";
        workbench.KillEditorProcesses = "Emacs";
        workbench.OrvoBTMDir = "/opt/orvo/";
        workbench.FourDosProgram = "/opt/orvo/orvocmd";
        workbench.FourDosOptions = "/c";
        files.addDirectory("/docs");
        files.current = "/docs";
        files.addFile("/docs/ORVOSET.BAT", "set A=1\r\n");
        files.addFile("/docs/orvoset.sh", "export A='1'\n");
    }
};

TEST_F(ShutdownCleanUpTest, TheEnvironmentBatchFilesLeaveTheCurrentFolder) {
    withJobs.run();
    EXPECT_FALSE(files.fileExists("/docs/ORVOSET.BAT"));
    EXPECT_FALSE(files.fileExists("/docs/orvoset.sh"));
}

TEST_F(ShutdownCleanUpTest, CleaningUpItselfClosesTheKillListAfterSaving) {
    windows.open = {{"XDvi", 1}};
    withJobs.run();
    EXPECT_EQ(windows.closeRequests, (std::vector<std::string> {"XDvi", "gv", "Emacs"}));
    EXPECT_TRUE(files.fileExists(kIniPath));
    EXPECT_TRUE(processes.starts.empty());
}

TEST_F(ShutdownCleanUpTest, TheClosingScriptStartsDirectlyWithoutCapture) {
    workbench.QuitUseBTM = true;
    workbench.RunDosWindow = false;
    withJobs.run();
    ASSERT_EQ(processes.starts.size(), 1u);
    EXPECT_EQ(processes.starts[0].argv, (std::vector<std::string> {"/opt/orvo/orvocmd", "/c", "/opt/orvo/CLOSING.BTM"}));
    EXPECT_TRUE(processes.starts[0].detached) << "it runs on after the workbench has ended";
    EXPECT_TRUE(windows.closeRequests.empty()) << "the script closes the kill list itself";
}

TEST_F(ShutdownCleanUpTest, AClosingScriptThatCannotStartIsReported) {
    workbench.QuitUseBTM = true;
    workbench.RunDosWindow = false;
    processes.missing = {"/opt/orvo/orvocmd"};
    withJobs.run();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Executing \n/opt/orvo/orvocmd /c /opt/orvo/CLOSING.BTM\n failed!");
}

TEST_F(ShutdownCleanUpTest, WithCaptureTheClosingScriptIsLeftToTheConsoleWindow) {
    workbench.QuitUseBTM = true;
    workbench.RunDosWindow = true;
    withJobs.run();
    EXPECT_TRUE(processes.starts.empty());
    EXPECT_TRUE(windows.closeRequests.empty());
}

TEST_F(ShutdownTest, TheClosingScriptRunsInTheConsoleWhenOutputIsGrabbed) {
    FakeConsoleView consoleView;
    FakePipedProcessStarter processes;
    FakeMainThread mainThread;
    ConsoleWindow console(workbench, consoleView, {processes, mainThread, ui, desktop});
    Shutdown withConsole(workbench, view, {files, ui, desktop, nullptr, &console});
    workbench.QuitUseBTM = true;
    workbench.RunDosWindow = true;
    workbench.FourDosProgram = "/opt/orvo/orvocmd";
    workbench.FourDosOptions = "/c";
    workbench.OrvoBTMDir = "/opt/orvo/";
    workbench.batchExtension = "BTM";
    bool listed = false;
    consoleView.duringModal = [&] {
        listed = console.output().lineCount() == 3 && console.output().line(0) == "/opt/orvo/orvocmd /c /opt/orvo/CLOSING.BTM";
        console.close();  // the user closes the window
    };
    withConsole.run();
    ASSERT_EQ(processes.starts.size(), 1u);
    EXPECT_EQ(processes.starts[0].argv, (std::vector<std::string> {"/opt/orvo/orvocmd", "/c", "/opt/orvo/CLOSING.BTM"}));
    EXPECT_TRUE(listed);
    EXPECT_EQ(written(key::QuitUseBTM), "1");  // the configuration was written first
}

}  // namespace
}  // namespace orvo

namespace orvo {
namespace {

TEST(ShutdownEditorTest, TheEditorSavesAndQuitsAfterTheConfigurationIsWrittenAndTheSpellCheckerHears) {
    FakeFileSystem files;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    FakeMainWindowView view;
    FakeDdeClient dde;
    FakeOtherWindows windows;
    Workbench w;
    files.addDirectory("/conf");
    w.iniDir = "/conf/";
    w.iniName = "ORVO.INI";
    w.mainPath = "/docs/";
    w.MainFileName = "paper.tex";
    w.editor.EditorClassName = "Emacs";
    w.editor.DDEEditService = "Emacs";
    w.editor.DDEEditTopic = "Editor";
    w.editor.DDEEditSaveCommand = "SaveAll";
    w.editor.DDEEditChanged = "Changed";
    w.editor.DDEEditQuit = "SaveAndQuit";
    windows.open = {{"Emacs", 1}, {"TForm22", 1}};
    dde.addServer("Emacs", "Editor");
    dde.addServer("OrvoSpell", "forspell");
    dde.replies["Changed"] = "Yes";
    bool configWrittenFirst = false;
    dde.onExecute = [&](const std::string&) { configWrittenFirst = files.fileExists("/conf/ORVO.INI"); };
    EditorExchanges exchanges(w, {dde, windows, {}});
    Shutdown shutdown(w, view, {files, ui, desktop, nullptr, nullptr, &exchanges});
    shutdown.run();
    EXPECT_EQ(dde.log, (std::vector<std::string> {"open Emacs Editor", "request Changed", "execute SaveAll",
                                                  "execute SaveAndQuit", "close", "open OrvoSpell forspell",
                                                  "execute /docs/paper.tex", "close"}));
    EXPECT_TRUE(configWrittenFirst);
}

}  // namespace
}  // namespace orvo
