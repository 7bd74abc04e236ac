// Jobs run for real, as the workbench runs them: the run operation, the
// staged orvocmd and COMPILER script, TeX Live's latex, and the console
// window's logic with its Qt window, offscreen.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <climits>
#include <cstdio>
#include <fstream>

#include "core/workbench.h"
#include "jobs/console_window.h"
#include "jobs/launcher.h"
#include "jobs/qt/console_form.h"
#include "jobs/qt/console_list_view.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_user_interaction.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_piped_process.h"
#include "platform/linux/linux_process_launcher.h"
#include "platform/qt/qt_main_thread.h"
#include "tests/fake_console_port.h"
#include "tests/orvo_process.h"
#include "tests/process_table.h"
#include "tests/event_wait.h"
#include "tests/staged_console_rig.h"
#include "tests/staged_jobs.h"
#include "tests/temp_dir.h"
#include "tests/wait_until.h"

extern char** environ;

namespace orvo {
namespace {

// Generous: two cores shared with other builds.
constexpr int kJobTimeoutMs = 30000;


std::string errorDocument() {
    return "\\documentclass{article}\n\\begin{document}\nText \\undefinedcommand\n\\end{document}\n";
}

bool groupGone(pid_t group) { return test::livingGroupMembers(group).empty(); }

// The running job started by `parent`: the leader of its own process group.
pid_t jobOf(pid_t parent) {
    for (const test::ProcessEntry& child : test::children(parent))
        if (child.group == child.pid) return child.pid;
    return -1;
}

bool groupRuns(pid_t group, const std::string& program) {
    for (const test::ProcessEntry& member : test::livingGroupMembers(group))
        if (member.name == program) return true;
    return false;
}

// The compile makes the main file's folder current: the rig's temporary one.
class ConsoleJobs : public testing::Test, protected test::StagedConsoleRig {
protected:
    void compile(const std::string& mainFile, const std::string& content) {
        temp.write(mainFile, content);
        launcher.run(test::compileCommand(workbench, mainFile), false);
    }
    void compileSample(const std::string& mainFile) {
        std::ifstream sample(test::stageFolder() + "samples/latexsample.tex");
        compile(mainFile, std::string(std::istreambuf_iterator<char>(sample), {}));
    }
    void type(const QString& text) {
        auto* input = form.findChild<QLineEdit*>("Edit1");
        ASSERT_NE(input, nullptr);
        input->setText(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QCoreApplication::sendEvent(input, &enter);
    }
    QStringList shownLines() {
        QAbstractItemModel* model = form.findChild<ConsoleListView*>("LB")->model();
        QStringList lines;
        for (int row = 0; row < model->rowCount(); ++row) lines << model->index(row, 0).data().toString();
        return lines;
    }
    std::string lastLine() const {
        const ConsoleOutput& output = console.output();
        return output.lineCount() == 0 ? std::string() : std::string(output.line(output.lineCount() - 1));
    }
    // TeX asks what to do about an error.
    bool waitForTeXPrompt() { return test::waitWithEvents([&] { return lastLine() == "? "; }); }
    bool waitForJobEnd() { return test::waitWithEvents([&] { return !console.jobRunning(); }); }
    bool exists(const std::string& name) const { return test::pathExists(temp.path() + name); }
};

TEST_F(ConsoleJobs, TheCompilerScriptShowsTeXLineByLineMakesTheDviAndClosesUnlessKeptOpen) {
    for (bool keepOpen : {false, true}) {
        SCOPED_TRACE(keepOpen ? "AlwaysShowRedirectScreen" : "close when done");
        workbench.AlwaysShowRedirectScreen = keepOpen;
        workbench.jobs.compileBusy = true;
        std::remove((temp.path() + "latexsample.dvi").c_str());
        compileSample("latexsample.tex");
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(console.jobRunning());
        ASSERT_TRUE(waitForJobEnd());
        EXPECT_TRUE(exists("latexsample.dvi"));
        EXPECT_FALSE(workbench.jobs.compileBusy);
        EXPECT_EQ(form.isVisible(), keepOpen);
        ASSERT_TRUE(test::waitWithEvents([&] { return shownLines().size() == int(console.output().lineCount()); }));
        QStringList lines = shownLines();
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines[0].toStdString(), test::compileCommand(workbench, "latexsample.tex"));
        // The script's own line, then TeX's lines each in a row of its own.
        EXPECT_EQ(lines.filter(QRegularExpression("^(\\S*/)?latex latexsample.tex$")).size(), 1)
            << lines.join("\n").toStdString();
        EXPECT_EQ(lines.filter(QRegularExpression("^This is pdfTeX, Version ")).size(), 1);
        EXPECT_EQ(lines.filter(QRegularExpression("^Output written on latexsample.dvi \\(\\d+ pages?")).size(), 1)
            << lines.join("\n").toStdString();
        EXPECT_TRUE(ui.shown.empty());
    }
    console.close();
}

TEST_F(ConsoleJobs, ATeXErrorWaitsAtThePromptWithItsLinesShownAndXEndsTheRun) {
    compile("broken.tex", errorDocument());
    ASSERT_TRUE(waitForTeXPrompt()) << lastLine();
    // TeX waits for an answer: the job runs and its output so far is shown.
    EXPECT_TRUE(console.jobRunning());
    ASSERT_TRUE(test::waitWithEvents([&] { return shownLines().contains("! Undefined control sequence."); }))
        << shownLines().join("\n").toStdString();
    EXPECT_TRUE(form.isVisible());
    type("x");
    ASSERT_TRUE(waitForJobEnd());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(workbench.jobs.compileBusy);
    EXPECT_FALSE(exists("broken.dvi"));
    EXPECT_TRUE(exists("broken.log"));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ConsoleJobs, HaltEndsTheJobWithEverythingItStarted) {
    struct Case {
        const char* name;
        std::function<void()> start;
        const char* grandchild;  // a program the job started, still running when HALT comes
        std::function<void()> halt;
    };
    const Case cases[] = {
        {"latex at its prompt, HALT typed", [&] { compile("broken.tex", errorDocument()); }, "latex",
         [&] { type("HALT"); }},
        {"a job waiting for its children, the HALT button",
         [&] { launcher.run("/bin/sh -c \"sleep 60 & sleep 61; wait\"", false); }, "sleep",
         [&] { form.findChild<QPushButton*>("ButtonHalt")->click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        workbench.jobs.compileBusy = true;
        c.start();
        pid_t job = -1;
        ASSERT_TRUE(test::waitWithEvents([&] { return groupRuns(job = jobOf(::getpid()), c.grandchild); }));
        if (std::string(c.grandchild) == "latex") {
            ASSERT_TRUE(waitForTeXPrompt());
        }
        c.halt();
        EXPECT_FALSE(console.jobRunning());
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(workbench.jobs.compileBusy);
        EXPECT_TRUE(test::waitWithEvents([&] { return groupGone(job); })) << test::describe(test::livingGroupMembers(job));
        EXPECT_TRUE(test::zombieChildren(::getpid()).empty());
    }
}

// A program of the job that made a session of its own has left the job's
// process group; HALT still ends it.
TEST_F(ConsoleJobs, HaltEndsWhatTheJobStartedInASessionOfItsOwn) {
    std::string escapee = temp.path() + "orvoescapee";
    ASSERT_EQ(::symlink("/bin/sleep", escapee.c_str()), 0);
    auto escapees = [] {
        std::vector<test::ProcessEntry> found;
        for (const test::ProcessEntry& entry : test::processTable())
            if (entry.name == "orvoescapee" && entry.state != 'Z') found.push_back(entry);
        return found;
    };
    workbench.jobs.compileBusy = true;
    // Longer than any wait here: only HALT can end it in time.
    launcher.run("/bin/sh -c \"setsid " + escapee + " 600 & sleep 601; wait\"", false);
    ASSERT_TRUE(test::waitWithEvents([&] { return !escapees().empty(); }));
    pid_t job = jobOf(::getpid());
    EXPECT_NE(escapees().front().group, job) << "it left the job's group";
    type("HALT");
    EXPECT_TRUE(test::waitWithEvents([&] { return escapees().empty(); }, 10000)) << test::describe(escapees());
    for (const test::ProcessEntry& left : escapees()) ::kill(left.pid, SIGKILL);
    EXPECT_TRUE(test::waitWithEvents([&] { return groupGone(job); })) << test::describe(test::livingGroupMembers(job));
    EXPECT_TRUE(test::zombieChildren(::getpid()).empty());
}

// The job's first process ends but leaves a program that never stops
// writing: the job ends all the same, and nothing is left unreaped.
TEST_F(ConsoleJobs, AJobWhoseFirstProcessEndedEndsThoughAProgramItLeftKeepsWriting) {
    workbench.jobs.compileBusy = true;
    launcher.run("/bin/sh -c \"(while :; do echo more; done) & exit 0\"", false);
    EXPECT_TRUE(waitForJobEnd());
    EXPECT_FALSE(workbench.jobs.compileBusy);
    EXPECT_TRUE(test::waitWithEvents([&] { return test::zombieChildren(::getpid()).empty(); }))
        << test::describe(test::zombieChildren(::getpid()));
}

TEST_F(ConsoleJobs, AMainFileNameWithShellCharactersCompilesAndNothingInItRuns) {
    const std::string mainFile = "a b$(touch X);'c.tex";
    compileSample(mainFile);
    ASSERT_TRUE(waitForJobEnd());
    EXPECT_TRUE(exists("a b$(touch X);'c.dvi")) << shownLines().join("\n").toStdString();
    EXPECT_FALSE(exists("X"));
    EXPECT_FALSE(test::pathExists(startFolder + "X"));
    EXPECT_FALSE(test::pathExists(test::currentFolder() + "X"));
}

TEST_F(ConsoleJobs, TheDeathOfTheJobEndsItsRunAndWhatItLeftWaitingForInput) {
    compile("broken.tex", errorDocument());
    ASSERT_TRUE(waitForTeXPrompt());
    pid_t job = jobOf(::getpid());
    ASSERT_GT(job, 0);
    ASSERT_TRUE(groupRuns(job, "latex"));
    ::kill(job, SIGKILL);
    ASSERT_TRUE(waitForJobEnd());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(workbench.jobs.compileBusy);
    // latex, left behind at its prompt, reads the end of its closed input.
    EXPECT_TRUE(test::waitWithEvents([&] { return groupGone(job); })) << test::describe(test::livingGroupMembers(job));
    EXPECT_TRUE(test::zombieChildren(::getpid()).empty());
}

// Without console capture the command processor line starts directly and
// the console hears nothing of it.
class UncapturedJobs : public ConsoleJobs {
protected:
    UncapturedJobs() { workbench.RunDosWindow = false; }

    FakeConsolePort port;
    Launcher uncaptured {workbench, {processes, windows, files, ui, &port}};
};

TEST_F(UncapturedJobs, TheCompileRunsWithoutTheConsoleAndWaitsOnlyWhenAsked) {
    // The format command holds the run until the test lets it go.
    temp.write("gate.sh", "while [ ! -e go ]; do sleep 0.05; done\nlatex \"$@\"\nstatus=$?\n: > ran\nexit $status\n");
    const std::string sample = test::stageFolder() + "samples/latexsample.tex";
    temp.write("paper.tex", "\\input{" + sample + "}\n");
    workbench.jobs.compileBusy = true;
    uncaptured.run(scriptCall(workbench, "COMPILER") + " paper.tex N sh gate.sh", false);
    EXPECT_FALSE(workbench.jobs.compileBusy);
    EXPECT_FALSE(exists("paper.dvi")) << "the run did not wait for the job";
    temp.write("go", "");
    ASSERT_TRUE(test::waitUntil([&] { return exists("ran"); }, kJobTimeoutMs));
    EXPECT_TRUE(exists("paper.dvi"));

    std::remove((temp.path() + "paper.dvi").c_str());
    workbench.jobs.compileBusy = true;
    uncaptured.run(test::compileCommand(workbench, "paper.tex"), true);
    EXPECT_TRUE(exists("paper.dvi")) << "the run waited for the job";
    EXPECT_FALSE(workbench.jobs.compileBusy);

    EXPECT_TRUE(port.calls.empty());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(ui.shown.empty());
}

// A workbench that is killed takes its job with it: nothing of the job lives
// on, nothing stays a zombie.
class KilledWorkbench : public testing::Test {
protected:
    ~KilledWorkbench() override {
        if (holder > 0) {
            ::kill(holder, SIGKILL);
            ::waitpid(holder, nullptr, 0);
        }
    }
    // Starts the stand-in workbench on `command` in the temporary folder.
    void startHolder(const std::string& command) {
        std::vector<std::string> argv {ORVO_CONSOLE_JOB_HOLDER, test::stageFolder(), command};
        std::vector<char*> args;
        for (std::string& word : argv) args.push_back(word.data());
        args.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, temp.path().c_str());
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        ASSERT_EQ(::posix_spawn(&holder, args[0], &actions, nullptr, args.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
    }

    test::TempDir temp;
    pid_t holder = -1;
};

TEST_F(KilledWorkbench, LeavesNoJobProcessAndNoZombieBehind) {
    struct Case {
        const char* name;
        std::string command;
        const char* grandchild;
    };
    Workbench workbench;
    test::useStagedPrograms(workbench, test::stageFolder());
    const Case cases[] = {
        {"latex at its prompt", test::compileCommand(workbench, "broken.tex"), "latex"},
        {"a job with a program in the background", "/bin/sh -c \"sleep 60 & sleep 61; wait\"", "sleep"},
    };
    temp.write("broken.tex", errorDocument());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startHolder(c.command);
        ASSERT_GT(holder, 0);
        pid_t job = -1;
        ASSERT_TRUE(test::waitUntil([&] { return groupRuns(job = jobOf(holder), c.grandchild); }, kJobTimeoutMs))
            << test::describe(test::children(holder));
        ::kill(holder, SIGKILL);
        ASSERT_EQ(::waitpid(holder, nullptr, 0), holder);
        holder = -1;
        EXPECT_TRUE(test::waitUntil([&] { return groupGone(job); }, kJobTimeoutMs))
            << test::describe(test::livingGroupMembers(job));
        EXPECT_TRUE(test::zombieChildren(::getpid()).empty()) << test::describe(test::zombieChildren(::getpid()));
    }
}

}  // namespace
}  // namespace orvo

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
