// The console window's logic with a recording window, scripted children and
// a main thread the test drives.
#include "jobs/console_window.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/workbench.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_main_thread.h"
#include "platform/fake/fake_piped_process.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_console_view.h"
#include "tests/recording_ports.h"

namespace orvo {
namespace {

class ConsoleWindowTest : public testing::Test {
protected:
    ConsoleWindowTest() {
        desktop.screen = {1024, 768};
        workbench.screenFactors[kConsoleWindowNumber - 1] = {800.0 / 1024, 600.0 / 768};
        console.runOperation = [this](const std::string& command, bool wait) {
            runOperations.push_back(command + (wait ? " (wait)" : ""));
        };
        console.bringToFront = [this](int number) { broughtToFront.push_back(number); };
    }

    // The window as start-up leaves it.
    void created() {
        console.ensureCreated();
        console.finishStartup();
    }
    // What the run operation does with console capture on.
    void handOver(const std::string& command) {
        console.ensureCreated();
        console.setCloseWhenDone(true);
        workbench.jobs.pendingConsoleCommand = command;
        console.appendLine(command);
        console.appendLine("");
        console.appendLine("");
        console.show();
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        for (std::size_t i = 0; i < console.output().lineCount(); ++i) result.emplace_back(console.output().line(i));
        return result;
    }
    bool endedAndHandled() {
        return mainThread.runUntil([&] { return !console.jobRunning(); });
    }
    std::vector<std::string> errors() const {
        std::vector<std::string> texts;
        for (const Message& m : ui.shown) texts.push_back(m.text);
        return texts;
    }

    Workbench workbench;
    FakeConsoleView view;
    FakePipedProcessStarter starter;
    FakeMainThread mainThread;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    RecordingUtilityDialogs dialogs;
    ConsoleWindow console {workbench, view, {starter, mainThread, ui, desktop, dialogs}};
    std::vector<std::string> runOperations;
    std::vector<int> broughtToFront;
};

TEST_F(ConsoleWindowTest, CreationScalesAndPlacesTheWindowOnTheScreenAndStoresThePosition) {
    workbench.RedirectXScreenPos = 2000;
    workbench.RedirectYScreenPos = 50;
    workbench.RedirectFont = "DejaVu Sans Mono";
    workbench.RedirectFontSize = 10;
    console.ensureCreated();
    EXPECT_TRUE(console.exists());
    EXPECT_EQ(view.window.width, 600);
    EXPECT_EQ(view.window.height, 400);
    EXPECT_EQ(view.window.x, 1024 - 600);
    EXPECT_EQ(view.window.y, 50);
    EXPECT_EQ(workbench.RedirectXScreenPos, 1024 - 600);
    EXPECT_EQ(view.font, "DejaVu Sans Mono 10");
    EXPECT_FALSE(view.shown);
    EXPECT_TRUE(runOperations.empty());
}

// Factors from a damaged ConfigFile: too large for any screen, and none at all.
TEST_F(ConsoleWindowTest, CreationKeepsTheWindowOnTheScreenForAnyFactor) {
    workbench.screenFactors[kConsoleWindowNumber - 1] = {1e300, std::nan("")};
    console.ensureCreated();
    EXPECT_EQ(view.window.width, 1024);
    EXPECT_EQ(view.window.height, 400 * 768 / 600);
    EXPECT_EQ(view.window.x, 0);
    EXPECT_EQ(view.window.y, 0);
}

TEST_F(ConsoleWindowTest, CreationHandsTheAutostartJobOnAfterItsOwnClearUp) {
    workbench.RunAutostartBatchfile = true;
    workbench.RunDosWindow = true;
    workbench.OrvoBTMDir = "/opt/orvo/";
    workbench.batchExtension = "BTM";
    workbench.MainFileName = "paper.tex";
    workbench.CurrentFileName = "/docs/chap 1.tex";
    workbench.jobs.compileBusy = true;
    workbench.jobs.autostartPending = true;  // start-up left it to the console
    console.runOperation = [this](const std::string& command, bool wait) {
        runOperations.push_back(command + (wait ? " (wait)" : ""));
        workbench.jobs.pendingConsoleCommand = "orvocmd /c " + command;
    };
    console.ensureCreated();
    EXPECT_EQ(runOperations, (std::vector<std::string> {"/opt/orvo/AUTOSTART.BTM paper.tex \"/docs/chap 1.tex\" (wait)"}));
    EXPECT_FALSE(workbench.jobs.compileBusy);
    // The end-of-job routine ran before: the job's command is still pending.
    EXPECT_EQ(workbench.jobs.pendingConsoleCommand, "orvocmd /c /opt/orvo/AUTOSTART.BTM paper.tex \"/docs/chap 1.tex\"");
    EXPECT_FALSE(workbench.jobs.autostartPending);

    workbench.jobs.autostartPending = false;  // start-up ran it itself
    Workbench other = workbench;
    FakeConsoleView otherView;
    ConsoleWindow second {other, otherView, {starter, mainThread, ui, desktop, dialogs}};
    int calls = 0;
    second.runOperation = [&](const std::string&, bool) { ++calls; };
    second.ensureCreated();
    EXPECT_EQ(calls, 0);
}

TEST_F(ConsoleWindowTest, ShowingStartsThePendingCommandOnceAndFocusesTheInput) {
    created();
    workbench.jobs.compileBusy = true;
    handOver("/opt/orvo/orvocmd /c COMPILER.BTM paper.tex N latex");
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].argv,
              (std::vector<std::string> {"/opt/orvo/orvocmd", "/c", "COMPILER.BTM", "paper.tex", "N", "latex"}));
    EXPECT_TRUE(workbench.jobs.pendingConsoleCommand.empty());
    EXPECT_TRUE(view.inputFocused);
    EXPECT_FALSE(view.closeButton);
    EXPECT_TRUE(view.jobRunning);
    // Clicking elsewhere and back sends nothing and keeps HALT the only way out.
    console.activated();
    console.activated();
    EXPECT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.last().input, "");
    EXPECT_FALSE(view.closeButton);
    EXPECT_TRUE(workbench.jobs.compileBusy);
}

TEST_F(ConsoleWindowTest, OutputIsAppendedBelowTheListedCommand) {
    handOver("/bin/job");
    starter.last().feed("This is TeX\r\n! Undefined control sequence.\r\nl.3 \\foo\t\r\n?");
    ASSERT_TRUE(mainThread.runUntil([&] { return console.output().lineCount() == 6; }));
    EXPECT_EQ(lines(), (std::vector<std::string> {"/bin/job", "", "This is TeX", "! Undefined control sequence.",
                                                  "l.3 \\foo        ", "?"}));
    EXPECT_GT(view.outputChanges, 0);
}

TEST_F(ConsoleWindowTest, TypedLinesGoToTheRunningJobEndingInLineFeed) {
    handOver("/bin/job");
    console.submitInput("x");
    console.submitInput("");
    EXPECT_EQ(starter.last().input, "x\n\n");
    EXPECT_EQ(view.inputClears, 2);
    console.endOfInput();
    EXPECT_TRUE(starter.last().inputClosed);
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ConsoleWindowTest, ARunOperationWhileAJobRunsTypesItsCommandIntoThatJob) {
    console.ensureCreated();
    console.submitInput("/usr/bin/orvocmd");  // a command processor started by hand
    ASSERT_TRUE(console.jobRunning());
    handOver("/usr/bin/orvocmd /c BIBTEX.BTM paper");
    EXPECT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.last().input, "/usr/bin/orvocmd /c BIBTEX.BTM paper\n");
}

TEST_F(ConsoleWindowTest, TypingHaltInAnyCaseClosesTheWindowAndStopsTheJob) {
    for (const char* halt : {"HALT", "halt", "Halt"}) {
        workbench.jobs.compileBusy = true;
        handOver("/bin/job");
        FakeChild& child = starter.last();
        console.submitInput(halt);
        EXPECT_FALSE(view.shown) << halt;
        EXPECT_FALSE(console.jobRunning()) << halt;
        EXPECT_TRUE(child.terminated && child.reaped) << halt;
        EXPECT_FALSE(workbench.jobs.compileBusy) << halt;
        EXPECT_EQ(child.input, "") << halt;
    }
    console.submitInput("halt now");  // not HALT: started as a program
    EXPECT_EQ(starter.starts.back().argv, (std::vector<std::string> {"halt", "now"}));
}

TEST_F(ConsoleWindowTest, ATypedLineIsStartedAsTypedWithTheMarkersTextInIt) {
    using Words = std::vector<std::string>;
    created();
    const std::pair<const char*, Words> typed[] = {
        {"latex \"x&4DOS evil.btm .tex\"", {"latex", "x&4DOS evil.btm .tex"}},
        {"&NOREDIR dvips y.dvi", {"&NOREDIR", "dvips", "y.dvi"}},
    };
    for (const auto& [line, argv] : typed) {
        console.submitInput(line);
        EXPECT_EQ(starter.starts.back().argv, argv) << line;
        EXPECT_TRUE(console.jobRunning()) << line << ": it runs here, in the console";
        console.submitInput("HALT");
    }
    EXPECT_TRUE(runOperations.empty());
}

TEST_F(ConsoleWindowTest, TheEndOfAJobClosesTheWindowOrKeepsItOpenAndBringsTheDialogBack) {
    struct Case {
        bool alwaysShow;
        bool closeWhenDone;
        bool staysOpen;
        std::vector<int> broughtBack;
    };
    const Case cases[] = {
        {false, true, false, {}},
        {true, true, true, {3}},
        {false, false, true, {}},
    };
    for (const Case& c : cases) {
        workbench.AlwaysShowRedirectScreen = c.alwaysShow;
        workbench.jobs.originatingDialog = 3;  // the BibTeX dialog
        workbench.jobs.compileBusy = true;
        broughtToFront.clear();
        handOver("/bin/bibtex-job");
        console.setCloseWhenDone(c.closeWhenDone);
        starter.last().end();
        ASSERT_TRUE(endedAndHandled());
        EXPECT_EQ(view.shown, c.staysOpen) << c.alwaysShow << c.closeWhenDone;
        EXPECT_TRUE(view.closeButton);
        EXPECT_FALSE(view.jobRunning);
        EXPECT_EQ(broughtToFront, c.broughtBack);
        // Without either flag the window just waits: the job state stays until it is closed.
        EXPECT_EQ(workbench.jobs.compileBusy, !c.alwaysShow && !c.closeWhenDone);
        console.close();
    }
}

TEST_F(ConsoleWindowTest, ClosingStoresPositionAndSizeRatios) {
    handOver("/bin/job");
    view.window = {100, 120, 768, 384};
    console.close();
    EXPECT_EQ(workbench.RedirectXScreenPos, 100);
    EXPECT_EQ(workbench.RedirectYScreenPos, 120);
    const ScreenFactor& factor = workbench.screenFactors[kConsoleWindowNumber - 1];
    EXPECT_DOUBLE_EQ(factor.x, (768.0 / 1024) / (600.0 / 800));
    EXPECT_DOUBLE_EQ(factor.y, (384.0 / 768) / (400.0 / 600));
    EXPECT_FALSE(console.jobRunning());
}

TEST_F(ConsoleWindowTest, TheWindowKeepsThePlaceTheUserMovedItTo) {
    handOver("/bin/job");
    view.window.x = 300;
    console.windowMoved(300, 40);
    view.window.y = 40;
    console.activated();
    EXPECT_EQ(view.window.x, 300);
    EXPECT_EQ(view.window.y, 40);
}

TEST_F(ConsoleWindowTest, FailuresAreShownAsErrorsAndLeaveTheWindowWaitingForHalt) {
    created();
    workbench.jobs.compileBusy = true;
    starter.failError = 2;
    handOver("/no/such/orvocmd /c X.BTM");
    EXPECT_EQ(errors(), (std::vector<std::string> {"Error creating process : No such file or directory (2)"}));
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(view.shown);
    EXPECT_FALSE(view.closeButton);
    EXPECT_TRUE(workbench.jobs.compileBusy);

    console.submitInput("typo");  // no job: started as a program, fails the same way
    console.endOfInput();
    EXPECT_EQ(errors(), (std::vector<std::string> {"Error creating process : No such file or directory (2)",
                                                   "Error creating process : No such file or directory (2)",
                                                   "Can't send data to an inactive process"}));
    EXPECT_EQ(view.inputClears, 0);  // the typed text stays to be corrected
    console.submitInput("HALT");
    EXPECT_FALSE(view.shown);
    EXPECT_FALSE(workbench.jobs.compileBusy);
}

TEST_F(ConsoleWindowTest, TheCloseButtonStaysVisibleDuringStartUpOnly) {
    console.ensureCreated();
    workbench.jobs.pendingConsoleCommand = "/bin/autostart";
    console.show();
    EXPECT_TRUE(view.closeButton);
    console.submitInput("HALT");
    console.finishStartup();
    EXPECT_TRUE(view.closeButton);
    handOver("/bin/job");
    EXPECT_FALSE(view.closeButton);
}

TEST_F(ConsoleWindowTest, ShowWithoutAJobShowsTheLastOutputAndStartsNothing) {
    handOver("/bin/job");
    starter.last().end();
    ASSERT_TRUE(endedAndHandled());
    workbench.jobs.originatingDialog = 5;
    workbench.jobs.pendingConsoleCommand = "/bin/stale";
    console.showWithoutJob();
    EXPECT_TRUE(view.shown);
    EXPECT_TRUE(view.closeButton);
    EXPECT_TRUE(console.closeWhenDone());
    EXPECT_EQ(workbench.jobs.originatingDialog, kNoOriginatingDialog);
    EXPECT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(lines(), (std::vector<std::string> {"/bin/job", "", ""}));
}

TEST_F(ConsoleWindowTest, ShowModalReturnsWhenTheJobHasEnded) {
    console.ensureCreated();
    console.setCloseWhenDone(true);
    workbench.jobs.pendingConsoleCommand = "/bin/job";
    view.duringModal = [this] {
        starter.last().end();
        ASSERT_TRUE(endedAndHandled());
    };
    console.showModal();
    EXPECT_EQ(starter.starts.size(), 1u);
    EXPECT_GT(view.modalEnds, 0);
    EXPECT_FALSE(view.shown);
}

TEST_F(ConsoleWindowTest, TheClosingScriptRunsInTheWindowAnewUntilTheUserClosesIt) {
    handOver("/bin/old");
    view.duringModal = [this] {
        EXPECT_EQ(lines(), (std::vector<std::string> {"/opt/orvocmd /c /opt/CLOSING.BTM", "", ""}));
        starter.last().end();
        ASSERT_TRUE(endedAndHandled());
        EXPECT_TRUE(view.shown);  // the script has ended; the window waits for the user
        console.close();
    };
    console.runUntilClosed("/opt/orvocmd /c /opt/CLOSING.BTM ");
    EXPECT_TRUE(starter.children[0]->terminated);
    EXPECT_EQ(starter.starts.back().argv.back(), "/opt/CLOSING.BTM");
    EXPECT_FALSE(view.shown);
}

TEST_F(ConsoleWindowTest, WhenTheWorkbenchEndsOnASignalTheClosingScriptDoesNotWaitForTheUser) {
    console.setUnattended();
    view.duringModal = [this] {
        starter.last().end();
        ASSERT_TRUE(endedAndHandled());
        EXPECT_FALSE(view.shown);
    };
    console.runUntilClosed("/opt/orvocmd /c /opt/CLOSING.BTM");
    EXPECT_EQ(starter.starts.size(), 1u);
}

TEST_F(ConsoleWindowTest, DestroyingTheWindowTerminatesARunningJob) {
    auto other = std::make_unique<ConsoleWindow>(workbench, view, ConsoleServices {starter, mainThread, ui, desktop, dialogs});
    other->ensureCreated();
    workbench.jobs.pendingConsoleCommand = "/bin/job";
    other->show();
    FakeChild& child = starter.last();
    other.reset();
    EXPECT_TRUE(child.terminated);
    EXPECT_TRUE(child.reaped);
}

}  // namespace
}  // namespace orvo
