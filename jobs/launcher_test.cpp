#include "jobs/launcher.h"

#include <gtest/gtest.h>

#include "core/command_markers.h"
#include "tests/launcher_rig.h"

namespace orvo {
namespace {

using Words = std::vector<std::string>;

class LauncherTest : public ::testing::Test, protected test::LauncherRig {
protected:
    LauncherTest() {
        workbench.FourDosProgram = "/opt/orvo/orvocmd";
        workbench.FourDosOptions = "/c";
        workbench.RunDosWindow = false;
    }

    Words onlyStart() const {
        EXPECT_EQ(processes.starts.size(), 1u);
        return processes.starts.empty() ? Words {} : processes.starts.front().argv;
    }
};

TEST_F(LauncherTest, WithoutCaptureTheCommandProcessorStartsDirectlyAndTheCompileIsNoLongerBusy) {
    workbench.jobs.compileBusy = true;
    launcher.run("/opt/orvo/COMPILER.BTM paper.tex N &web2cbin/latex", false);
    EXPECT_EQ(onlyStart(), (Words {"/opt/orvo/orvocmd", "/c", "/opt/orvo/COMPILER.BTM", "paper.tex", "N",
                                   "&web2cbin/latex"}));
    EXPECT_TRUE(processes.starts.front().detached);
    EXPECT_FALSE(workbench.jobs.compileBusy);
    EXPECT_TRUE(console.calls.empty());
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(LauncherTest, MarkersDecideWhatRunsAndWhere) {
    struct Case {
        const char* name;
        const char* command;
        bool capture;
        Words started;  // empty: handed to the console window instead
        const char* consoleCommand;
    };
    const Case cases[] = {
        {"text before the 4DOS marker is dropped", "ignored &4DOS  tool -a ", false,
         {"/opt/orvo/orvocmd", "/c", "tool", "-a"}, ""},
        {"NOREDIR is started directly even with capture on", "&NOREDIR dvips x", true,
         {"/opt/orvo/orvocmd", "/c", "dvips", "x"}, ""},
        {"NOREDIR in any case", "&noredir dvips x", true, {"/opt/orvo/orvocmd", "/c", "dvips", "x"}, ""},
        {"a captured command keeps its words", "&4DOS /b/BIBTEX.BTM \"my paper\"", true, {},
         "/opt/orvo/orvocmd /c /b/BIBTEX.BTM \"my paper\""},
    };
    for (const Case& c : cases) {
        processes.starts.clear();
        console = FakeConsolePort {};
        workbench.RunDosWindow = c.capture;
        // Composed from a template with nothing put into it.
        MarkedTemplate marked = takeMarkers(c.command);
        launcher.run({marked.text, marked}, false);
        if (c.started.empty()) {
            EXPECT_TRUE(processes.starts.empty()) << c.name;
            EXPECT_EQ(workbench.jobs.pendingConsoleCommand, c.consoleCommand) << c.name;
            EXPECT_TRUE(console.shown) << c.name;
        } else {
            ASSERT_EQ(processes.starts.size(), 1u) << c.name;
            EXPECT_EQ(processes.starts.front().argv, c.started) << c.name;
            EXPECT_FALSE(console.shown) << c.name;
        }
    }
}

TEST_F(LauncherTest, CaptureHandsTheLineToTheConsoleWindowAndReturnsAtOnce) {
    workbench.RunDosWindow = true;
    workbench.jobs.compileBusy = true;
    launcher.run("  /opt/orvo/COMPILER.BTM paper.tex N latex ", true);
    EXPECT_EQ(console.calls, (Words {"ensureCreated", "setCloseWhenDone 1",
                                     "appendLine /opt/orvo/COMPILER.BTM paper.tex N latex", "appendLine ",
                                     "appendLine ", "show"}));
    EXPECT_EQ(workbench.jobs.pendingConsoleCommand, "/opt/orvo/orvocmd /c /opt/orvo/COMPILER.BTM paper.tex N latex");
    EXPECT_TRUE(workbench.jobs.compileBusy) << "the console window clears it at the job's end";
    EXPECT_TRUE(processes.starts.empty());
    EXPECT_TRUE(processes.waits.empty());
}

TEST_F(LauncherTest, AnExistingConsoleIsClearedUnlessTheWaitFlagAppends) {
    workbench.RunDosWindow = true;
    console.created = true;
    console.output = {"earlier job"};
    launcher.run("DEVIRT.BTM /docs/paper.tex noquit", true);
    EXPECT_EQ(console.output, (Words {"earlier job", "DEVIRT.BTM /docs/paper.tex noquit", "", ""}));
    launcher.run("COMPILER.BTM paper.tex N latex", false);
    EXPECT_EQ(console.output, (Words {"COMPILER.BTM paper.tex N latex", "", ""}));
    EXPECT_EQ(console.calls.front(), "setCloseWhenDone 1") << "an existing window is not created again";
}

TEST_F(LauncherTest, WithoutAConsoleWindowACapturedJobRunsDirectly) {
    Launcher bare {workbench, {processes, windows, files, ui}};
    workbench.RunDosWindow = true;
    workbench.jobs.compileBusy = true;
    bare.run("COMPILER.BTM paper.tex N latex", false);
    EXPECT_EQ(onlyStart(), (Words {"/opt/orvo/orvocmd", "/c", "COMPILER.BTM", "paper.tex", "N", "latex"}));
    EXPECT_FALSE(workbench.jobs.compileBusy);
    bare.setConsole(console);
    bare.run("COMPILER.BTM paper.tex N latex", false);
    EXPECT_EQ(processes.starts.size(), 1u);
    EXPECT_TRUE(console.shown);
}

TEST_F(LauncherTest, ACommandProcessorInAFolderWithBlanksStaysOneWord) {
    workbench.FourDosProgram = "/home/u/my apps/orvocmd";
    EXPECT_EQ(commandProcessorLine(workbench, "x"), "\"/home/u/my apps/orvocmd\" /c x");
    launcher.run("x \"a b\"", false);
    EXPECT_EQ(onlyStart(), (Words {"/home/u/my apps/orvocmd", "/c", "x", "a b"}));
}

TEST_F(LauncherTest, WaitingChecksInTenSecondSlicesUntilTheProgramEnds) {
    processes.slicesUntilEnd = 3;
    EXPECT_TRUE(launcher.startDirect("xdvi paper.dvi", true));
    EXPECT_FALSE(processes.starts.front().detached);
    EXPECT_EQ(processes.waits, (std::vector<int> {kWaitSliceMs, kWaitSliceMs, kWaitSliceMs}));
}

TEST_F(LauncherTest, AFailedStartShowsTheErrorBoxAtTheMainWindowsCornerAndNeverWaits) {
    processes.missing = {"nosuchprogram"};
    for (bool wait : {false, true}) {
        ui.shown.clear();
        EXPECT_FALSE(launcher.startDirect("nosuchprogram \"my file.tex\"", wait));
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
        EXPECT_EQ(ui.shown[0].text, "Executing \nnosuchprogram \"my file.tex\"\n failed!");
        EXPECT_EQ(ui.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(ui.shown[0].placement, MessagePlacement::CornerAtMainWindowCorner);
    }
    EXPECT_TRUE(processes.waits.empty());
    EXPECT_FALSE(launcher.startDirect("   ", false)) << "an empty line starts nothing";
    EXPECT_EQ(ui.shown.size(), 2u);
}

TEST_F(LauncherTest, AFailedCommandProcessorStillClearsTheCompileBusyFlag) {
    processes.missing = {"/opt/orvo/orvocmd"};
    workbench.jobs.compileBusy = true;
    launcher.run("COMPILER.BTM paper.tex N latex", true);
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_FALSE(workbench.jobs.compileBusy);
}

TEST_F(LauncherTest, ChangeFolderOnlyEntersFoldersThatExist) {
    files.addDirectory("/docs");
    files.current = "/home";
    launcher.changeFolder("/missing/");
    EXPECT_EQ(files.currentDirectory(), "/home/");
    launcher.changeFolder("/docs/");
    EXPECT_EQ(files.currentDirectory(), "/docs/");
}

TEST_F(LauncherTest, ClosingAuxiliaryWindowsAsksEachNamedClassOnceAndSkipsEmptyNames) {
    workbench.KillProcesses = "XDvi;;gv; Evince ;";
    workbench.KillEditorProcesses = "Emacs;XDvi";
    windows.open = {{"XDvi", 2}, {"Emacs", 1}};
    launcher.closeAuxiliaryWindows();
    EXPECT_EQ(windows.closeRequests, (Words {"XDvi", "gv", "Evince", "Emacs", "XDvi"}));
    EXPECT_EQ(windows.open["XDvi"], 0);

    windows.closeRequests.clear();
    workbench.KillEditorProcesses.clear();
    workbench.KillProcesses = "gv";
    launcher.closeAuxiliaryWindows();
    EXPECT_EQ(windows.closeRequests, (Words {"gv"})) << "no empty name from an empty editor list";
}

}  // namespace
}  // namespace orvo
