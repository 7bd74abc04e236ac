// Shut-down with the jobs and the editor it drives: the launcher's closing
// jobs, the console window and the editor's exchanges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editor_exchanges.h"
#include "jobs/console_window.h"
#include "jobs/launcher.h"
#include "jobs/launcher_session_jobs.h"
#include "platform/fake/fake_dde.h"
#include "platform/fake/fake_main_thread.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_piped_process.h"
#include "platform/fake/fake_process_launcher.h"
#include "tests/fake_console_port.h"
#include "tests/fake_console_view.h"
#include "tests/shutdown_fixture.h"

namespace orvo {
namespace {

constexpr const char* kIniPath = kShutdownIniPath;

class ShutdownCleanUpTest : public ShutdownTest {
protected:
    FakeProcessLauncher processes;
    FakeOtherWindows windows;
    Launcher launcher {workbench, {processes, windows, files, ui}};
    FakeConsolePort console;
    LauncherSessionJobs closingJobs {workbench, launcher, console};
    Shutdown withJobs {workbench, view, {files, ui, desktop}, {closingJobs, editorQuit, dialogs}};

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
    ConsoleWindow console(workbench, consoleView, {processes, mainThread, ui, desktop, dialogs});
    FakeProcessLauncher directStarts;
    FakeOtherWindows windows;
    Launcher launcher {workbench, {directStarts, windows, files, ui, &console}};
    LauncherSessionJobs closingJobs {workbench, launcher, console};
    Shutdown withConsole(workbench, view, {files, ui, desktop}, {closingJobs, editorQuit, dialogs});
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
    NullSessionJobs jobs;
    NullUtilityDialogs dialogs;
    Shutdown shutdown(w, view, {files, ui, desktop}, {jobs, exchanges, dialogs});
    shutdown.run();
    EXPECT_EQ(dde.log, (std::vector<std::string> {"open Emacs Editor", "request Changed", "execute SaveAll",
                                                  "execute SaveAndQuit", "close", "open OrvoSpell forspell",
                                                  "execute /docs/paper.tex", "close"}));
    EXPECT_TRUE(configWrittenFirst);
}

}  // namespace
}  // namespace orvo
