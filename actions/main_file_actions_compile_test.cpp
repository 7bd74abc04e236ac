#include "actions/main_file_actions_fixture.h"

namespace orvo {
namespace {

using CompileTest = MainFileActionsTest;

TEST_F(CompileTest, ScriptModeHandsTheCompilerCallToTheRunOperation) {
    struct Case {
        const char* name;
        const char* format;
        bool devirtualize;
        const char* mainFile;
        const char* extension;
        const char* command;  // as the console window receives it
    };
    const Case cases[] = {
        {"the format entry as it stands", "&web2cbin/latex", false, "PAPER.TEX", "BTM",
         "/opt/orvo/COMPILER.BTM PAPER.TEX N &web2cbin/latex"},
        {"devirtualize flag", "LATEX", true, "PAPER.TEX", "BTM", "/opt/orvo/COMPILER.BTM PAPER.TEX Y LATEX"},
        {"without a command processor", "LATEX", false, "PAPER.TEX", "BAT",
         "/opt/orvo/COMPILER.BAT PAPER.TEX N LATEX"},
        {"a custom script from the batch folder", "&4DOS MYTEX.BTM", false, "PAPER.TEX", "BTM",
         "/opt/orvo/MYTEX.BTM PAPER.TEX N"},
        {"a custom script keeps its folder", " &4dos  /own/MYTEX.BTM ", true, "PAPER.TEX", "BTM",
         "/own/MYTEX.BTM PAPER.TEX Y"},
        {"a main file with blanks stays one word", "LATEX", false, "my paper.tex", "BTM",
         "/opt/orvo/COMPILER.BTM \"my paper.tex\" N LATEX"},
    };
    workbench.CompileUseBTM = true;
    workbench.RunDosWindow = true;
    for (const Case& c : cases) {
        files.addFile(std::string("/docs/") + c.mainFile);
        workbench.FormatName = c.format;
        workbench.AlwaysDevirtualize = c.devirtualize;
        workbench.MainFileName = c.mainFile;
        workbench.batchExtension = c.extension;
        workbench.jobs = {};
        actions.compile();
        EXPECT_EQ(workbench.jobs.pendingConsoleCommand, std::string(kProcessor) + " /c " + c.command) << c.name;
        EXPECT_EQ(console.output, (Words {c.command, "", ""})) << c.name;
        EXPECT_TRUE(workbench.jobs.compileBusy) << c.name;
        EXPECT_EQ(workbench.jobs.originatingDialog, kMainWindowNumber) << c.name;
    }
    EXPECT_EQ(files.current, "/docs") << "the compile runs in the main folder";
    EXPECT_TRUE(processes.starts.empty());
}

TEST_F(CompileTest, AMissingMainFileIsReportedAndCompileCanBePressedAgain) {
    workbench.CompileUseBTM = true;
    workbench.StayOnTop = true;
    view.onTop = true;
    workbench.messageTexts[kMainFileMissingMessage] = "Main file missing!";
    const char* names[] = {"GONE.TEX", ""};
    for (const char* name : names) {
        ui.shown.clear();
        view.calls.clear();
        workbench.MainFileName = name;
        actions.compile();
        ASSERT_EQ(ui.shown.size(), 1u) << name;
        EXPECT_EQ(ui.shown[0].text, "Main file missing!");
        EXPECT_EQ(ui.shown[0].kind, MessageKind::Information);
        EXPECT_EQ(ui.shown[0].placement, MessagePlacement::MainWindowCentre);
        EXPECT_EQ(view.calls, (Words {"setStayOnTop 0", "setStayOnTop 1"}));
        EXPECT_FALSE(workbench.jobs.compileBusy);
    }
    EXPECT_TRUE(processes.starts.empty());
    EXPECT_TRUE(console.calls.empty());
    workbench.MainFileName = "PAPER.TEX";
    actions.compile();
    EXPECT_EQ(started().size(), 1u);
}

TEST_F(CompileTest, DirectModeRunsTheFormatCommandInTheConsoleAndDeletesTheOldDvi) {
    files.addFile("/docs/paper.dvi");  // as TeX names it
    files.addFile("/docs/other.dvi");
    workbench.dviFileName = "/docs/other.dvi";  // a DVI file chosen for printing stays
    actions.compile();
    EXPECT_EQ(workbench.jobs.pendingConsoleCommand, "/opt/orvo/orvocmd /c /usr/bin/latex \"PAPER.TEX\"");
    EXPECT_EQ(console.calls, (Words {"ensureCreated", "clearOutput", "setCloseWhenDone 1",
                                     "appendLine /usr/bin/latex \"PAPER.TEX\"", "appendLine ", "appendLine ",
                                     "show"}))
        << "in the console whatever \"Grab console output\" says";
    EXPECT_FALSE(files.fileExists("/docs/paper.dvi"));
    EXPECT_TRUE(files.fileExists("/docs/other.dvi"));
    EXPECT_TRUE(processes.starts.empty());
}

TEST_F(CompileTest, DirectModeTakesComspecAsTheCommandProcessor) {
    const std::pair<const char*, const char*> cases[] = {
        {"/bin/comspec", "/bin/comspec /c "},
        {"/opt/my tools/cmd", "\"/opt/my tools/cmd\" /c "},
        {nullptr, "/opt/orvo/orvocmd /c "},
    };
    for (const auto& [comspec, prefix] : cases) {
        if (comspec) environment.variables["COMSPEC"] = comspec;
        else environment.variables.erase("COMSPEC");
        workbench.jobs = {};
        actions.compile();
        EXPECT_EQ(workbench.jobs.pendingConsoleCommand, std::string(prefix) + "/usr/bin/latex \"PAPER.TEX\"");
    }
}

TEST_F(CompileTest, DirectModeWithDevirtualizingRunsDevirtOnlyAfterTheCompile) {
    workbench.AlwaysDevirtualize = true;
    workbench.RunDosWindow = true;
    std::string modalCommand;
    console.modalJob = [&] {
        modalCommand = workbench.jobs.pendingConsoleCommand;
        workbench.jobs.pendingConsoleCommand.clear();
        console.calls.push_back("compile ended");
    };
    actions.compile();
    EXPECT_EQ(modalCommand, "/opt/orvo/orvocmd /c /usr/bin/latex PAPER.TEX");
    EXPECT_EQ(console.calls,
              (Words {"ensureCreated", "clearOutput", "setCloseWhenDone 1", "appendLine /usr/bin/latex \"PAPER.TEX\"",
                      "appendLine ", "appendLine ", "close", "setCloseWhenDone 1", "showModal", "compile ended",
                      "setCloseWhenDone 1", "appendLine /opt/orvo/DEVIRT.BTM /docs/PAPER.TEX noquit",
                      "appendLine ", "appendLine ", "show", "show"}));
    EXPECT_EQ(workbench.jobs.pendingConsoleCommand, "/opt/orvo/orvocmd /c /opt/orvo/DEVIRT.BTM /docs/PAPER.TEX noquit");
    EXPECT_EQ(console.output.front(), "/usr/bin/latex \"PAPER.TEX\"") << "DEVIRT's output follows the compile's";
    EXPECT_EQ(workbench.jobs.originatingDialog, kMainWindowNumber);
}

TEST_F(CompileTest, DirectModeDevirtWithoutCaptureIsWaitedFor) {
    workbench.AlwaysDevirtualize = true;
    workbench.mainPath = "/my docs/";
    files.addFile("/my docs/PAPER.TEX");
    console.modalJob = [&] { workbench.jobs.pendingConsoleCommand.clear(); };
    actions.compile();
    EXPECT_EQ(started(), (std::vector<Words> {throughProcessor({"/opt/orvo/DEVIRT.BTM", "/my docs/PAPER.TEX",
                                                                "noquit"})}));
    EXPECT_FALSE(processes.starts[0].detached);
    EXPECT_EQ(processes.waits.size(), 1u);
}

TEST_F(CompileTest, DirectModeWithACustomScript) {
    workbench.FormatName = "&4DOS MYTEX.BTM";
    struct Case {
        const char* name;
        bool devirtualize;
        bool capture;
        std::vector<Words> started;
        const char* modalCommand;
    };
    const Case cases[] = {
        {"captured, not waited for", false, true, {}, ""},
        {"uncaptured", false, false, {throughProcessor({"/opt/orvo/MYTEX.BTM", "PAPER.TEX", "N"})}, ""},
        {"captured, then DEVIRT", true, true, {}, "/opt/orvo/orvocmd /c /opt/orvo/MYTEX.BTM PAPER.TEX Y"},
        {"uncaptured, both waited for",
         true,
         false,
         {throughProcessor({"/opt/orvo/MYTEX.BTM", "PAPER.TEX", "Y"}),
          throughProcessor({"/opt/orvo/DEVIRT.BTM", "/docs/PAPER.TEX", "noquit"})},
         ""},
    };
    for (const Case& c : cases) {
        processes = FakeProcessLauncher {};
        console = FakeConsolePort {};
        std::string modalCommand;
        console.modalJob = [&] { modalCommand = std::exchange(workbench.jobs.pendingConsoleCommand, ""); };
        workbench.jobs = {};
        workbench.AlwaysDevirtualize = c.devirtualize;
        workbench.RunDosWindow = c.capture;
        actions.compile();
        EXPECT_EQ(started(), c.started) << c.name;
        EXPECT_EQ(modalCommand, c.modalCommand) << c.name;
        for (const auto& start : processes.starts) EXPECT_EQ(start.detached, !c.devirtualize) << c.name;
        std::string last = c.devirtualize ? "/opt/orvo/orvocmd /c /opt/orvo/DEVIRT.BTM /docs/PAPER.TEX noquit"
                                          : "/opt/orvo/orvocmd /c /opt/orvo/MYTEX.BTM PAPER.TEX N";
        if (c.capture) {
            EXPECT_EQ(workbench.jobs.pendingConsoleCommand, last) << c.name;
        }
    }
}

TEST_F(CompileTest, WithoutAConsoleWindowTheDirectCompileRunsUncaptured) {
    Launcher bare {workbench, {processes, windows, files, ui}};
    MainFileActions noConsole {workbench, {bare, files, ui, view, environment, shell}};
    workbench.RunDosWindow = true;
    workbench.AlwaysDevirtualize = true;
    noConsole.compile();
    EXPECT_EQ(started(), (std::vector<Words> {throughProcessor({"/usr/bin/latex", "PAPER.TEX"}),
                                              throughProcessor({"/opt/orvo/DEVIRT.BTM", "/docs/PAPER.TEX", "noquit"})}));
    EXPECT_FALSE(workbench.jobs.compileBusy);
}

TEST_F(CompileTest, BlockCompileIsIgnoredWhileACompileRuns) {
    workbench.jobs.compileBusy = true;
    actions.blockCompile();
    EXPECT_TRUE(workbench.jobs.compileBusy);
    EXPECT_TRUE(console.calls.empty());
    EXPECT_TRUE(processes.starts.empty());
}

}  // namespace
}  // namespace orvo
