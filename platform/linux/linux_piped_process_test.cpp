// Real children through pipes: output and error in order, input and its end,
// killing a whole job, start failures, and nothing left behind.
#include "platform/linux/linux_piped_process.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>

#include "tests/process_table.h"
#include "tests/temp_dir.h"

namespace orvo {
namespace {

using Clock = std::chrono::steady_clock;

class LinuxPipedProcessTest : public testing::Test {
protected:
    std::unique_ptr<PipedProcess> start(std::vector<std::string> argv, std::string folder = {},
                                        std::optional<std::vector<std::string>> environment = std::nullopt) {
        PipedStartResult result = starter.start({std::move(argv), std::move(folder), std::move(environment)});
        EXPECT_TRUE(result.process) << "error " << result.error;
        return std::move(result.process);
    }
    // Everything the child writes until it has ended and its pipe is closed.
    static std::string collect(PipedProcess& process, int timeoutMs = 10000) {
        std::string text;
        auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Clock::now() < deadline) {
            PipeState state = process.poll(100, true);
            EXPECT_EQ(state.error, 0);
            if (state.waiting > 0) {
                std::string buffer(state.waiting, '\0');
                std::size_t got = 0;
                EXPECT_EQ(process.read(buffer.data(), buffer.size(), got), 0);
                text.append(buffer, 0, got);
            } else if (state.ended && state.outputClosed) {
                break;
            }
        }
        return text;
    }
    // Alive and not a zombie waiting for whoever adopted it.
    static bool processExists(pid_t pid) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (!std::getline(stat, line)) return false;
        std::size_t close = line.rfind(')');
        return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
    }

    LinuxPipedProcessStarter starter;
};

TEST_F(LinuxPipedProcessTest, OutputAndErrorArriveInOrderThroughOnePipe) {
    auto process = start({"/bin/sh", "-c", "printf 'out1\\n'; printf 'err1\\n' >&2; printf 'a\\tb'"});
    ASSERT_TRUE(process);
    EXPECT_EQ(collect(*process), "out1\nerr1\na\tb");
    process->reap();
}

TEST_F(LinuxPipedProcessTest, ArgumentsReachTheProgramUnchangedAndNamesAreFoundInPath) {
    auto process = start({"printf", "[%s]", "a b", "$HOME;*", "\"q\""});
    ASSERT_TRUE(process);
    EXPECT_EQ(collect(*process), "[a b][$HOME;*][\"q\"]");
    process->reap();
}

TEST_F(LinuxPipedProcessTest, FolderAndEnvironmentAreTheChildsWhenGiven) {
    test::TempDir dir;
    auto process = start({"/bin/sh", "-c", "pwd; echo \"$ORVO_X\""}, dir.path(),
                         std::vector<std::string> {"ORVO_X=seen", "PATH=/usr/bin:/bin"});
    ASSERT_TRUE(process);
    std::string folder = dir.path().substr(0, dir.path().size() - 1);
    EXPECT_EQ(collect(*process), folder + "\nseen\n");
    process->reap();
}

TEST_F(LinuxPipedProcessTest, InputReachesTheChildAndClosingItGivesEndOfFile) {
    auto process = start({"/bin/cat"});
    ASSERT_TRUE(process);
    EXPECT_EQ(process->write("line one\n"), 0);
    EXPECT_EQ(process->write("\xff\x00 raw"), 0);
    process->closeInput();
    EXPECT_EQ(collect(*process), std::string("line one\n\xff", 10));
    process->reap();
}

TEST_F(LinuxPipedProcessTest, WritingToAChildThatStoppedReadingFailsWithoutKillingUs) {
    auto process = start({"/bin/sh", "-c", "exec 0<&-; sleep 5"});
    ASSERT_TRUE(process);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(process->write("nobody reads this\n"), EPIPE);
    process->terminate();
    process->reap();
}

TEST_F(LinuxPipedProcessTest, AFullInputPipeFailsAfterATimeLimitInsteadOfHanging) {
    auto process = start({"/bin/sleep", "30"});
    ASSERT_TRUE(process);
    auto begin = Clock::now();
    EXPECT_EQ(process->write(std::string(1 << 20, 'x')), EAGAIN);
    EXPECT_LT(Clock::now() - begin, std::chrono::seconds(5));
    process->terminate();
    process->reap();
}

TEST_F(LinuxPipedProcessTest, TerminateEndsTheWholeJobIncludingWhatItStarted) {
    auto process = start({"/bin/sh", "-c", "sleep 60 & echo $!; wait"});
    ASSERT_TRUE(process);
    std::string text;
    while (text.find('\n') == std::string::npos) {
        PipeState state = process->poll(1000, false);
        ASSERT_GT(state.waiting, 0u);
        std::string buffer(state.waiting, '\0');
        std::size_t got = 0;
        ASSERT_EQ(process->read(buffer.data(), buffer.size(), got), 0);
        text.append(buffer, 0, got);
    }
    pid_t grandchild = std::stoi(text);
    ASSERT_TRUE(processExists(grandchild));
    process->terminate();
    // The pipe may close a moment before the child's end shows.
    auto deadline = Clock::now() + std::chrono::seconds(5);
    PipeState state;
    while (!state.ended && Clock::now() < deadline) state = process->poll(100, true);
    EXPECT_TRUE(state.ended);
    process->reap();
    while (processExists(grandchild) && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(processExists(grandchild));
}

TEST_F(LinuxPipedProcessTest, TheEndIsSeenFromTheProcessNotFromThePipe) {
    // The job ends while a program it started keeps the pipe open.
    auto process = start({"/bin/sh", "-c", "sleep 3 & exit 0"});
    ASSERT_TRUE(process);
    auto begin = Clock::now();
    PipeState state;
    while (!state.ended && Clock::now() - begin < std::chrono::seconds(2)) state = process->poll(100, true);
    EXPECT_TRUE(state.ended);
    EXPECT_FALSE(state.outputClosed);
    EXPECT_LT(Clock::now() - begin, std::chrono::seconds(2));
    process->terminate();
    process->reap();
}

TEST_F(LinuxPipedProcessTest, AClosedPipeOfAnEndedJobIsNotWaitedFor) {
    auto process = start({"/bin/true"});
    ASSERT_TRUE(process);
    collect(*process);
    auto begin = Clock::now();
    PipeState state = process->poll(1000, false);
    EXPECT_TRUE(state.outputClosed);
    EXPECT_EQ(state.waiting, 0u);
    EXPECT_LT(Clock::now() - begin, std::chrono::milliseconds(500)) << "nothing is left to come";
}

TEST_F(LinuxPipedProcessTest, StartFailuresReportTheSystemErrorAndLeaveNoChild) {
    test::TempDir dir;
    std::string notExecutable = dir.write("data.txt", "x");
    struct Case {
        std::vector<std::string> argv;
        std::string folder;
        int error;
    };
    const Case cases[] = {
        {{"/no/such/program"}, "", ENOENT},
        {{"no-such-program-in-path-orvo"}, "", ENOENT},
        {{notExecutable}, "", EACCES},
        {{"/bin/true"}, dir.path() + "missing/", ENOENT},
    };
    for (const Case& c : cases) {
        PipedStartResult result = starter.start({c.argv, c.folder, std::nullopt});
        EXPECT_FALSE(result.process) << c.argv[0];
        EXPECT_EQ(result.failedStep, PipedStartStep::Process) << c.argv[0];
        EXPECT_EQ(result.error, c.error) << c.argv[0];
    }
    // No child of ours is left, not even a zombie.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(LinuxPipedProcessTest, DroppingARunningChildKillsAndCollectsIt) {
    auto process = start({"/bin/sleep", "60"});
    ASSERT_TRUE(process);
    process.reset();
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(LinuxPipedProcessTest, AJobDiesWithAWorkbenchThatIsKilledWithEverythingItStarted) {
    const std::vector<std::string> jobs[] = {
        {"/bin/sleep", "60"},
        // The first process's parent-death signal does not reach these.
        {"/bin/sh", "-c", "sleep 60 & sleep 61; wait"},
    };
    for (const std::vector<std::string>& argv : jobs) {
        SCOPED_TRACE(argv.back());
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        pid_t workbench = ::fork();
        ASSERT_GE(workbench, 0);
        if (workbench == 0) {
            // A workbench that starts a job, says which, and waits to be killed.
            LinuxPipedProcessStarter processes;
            PipedStartResult job = processes.start({argv, "", std::nullopt});
            pid_t jobPid = -1;
            for (const test::ProcessEntry& child : test::children(::getpid()))
                if (child.group == child.pid) jobPid = child.pid;
            if (!job.process) jobPid = -1;
            [[maybe_unused]] ssize_t ignored = ::write(report[1], &jobPid, sizeof jobPid);
            ::pause();
            ::_exit(0);
        }
        ::close(report[1]);
        pid_t job = -1;
        ASSERT_EQ(::read(report[0], &job, sizeof job), ssize_t(sizeof job));
        ::close(report[0]);
        ASSERT_GT(job, 0);
        ASSERT_TRUE(processExists(job));
        auto deadline = Clock::now() + std::chrono::seconds(10);
        while (test::livingGroupMembers(job).size() < argv.size() - 1 && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ::kill(workbench, SIGKILL);
        ::waitpid(workbench, nullptr, 0);
        deadline = Clock::now() + std::chrono::seconds(10);
        while (!test::livingGroupMembers(job).empty() && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_TRUE(test::livingGroupMembers(job).empty()) << test::describe(test::livingGroupMembers(job));
    }
}

TEST_F(LinuxPipedProcessTest, WhatAnEndedJobLeftInTheBackgroundLivesOnAndNothingStaysToCollect) {
    auto process = start({"/bin/sh", "-c", "sleep 60 >/dev/null 2>&1 & echo $!"});
    ASSERT_TRUE(process);
    pid_t background = std::stoi(collect(*process));
    process->reap();
    process.reset();
    EXPECT_TRUE(processExists(background));
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    ::kill(background, SIGKILL);
}

TEST_F(LinuxPipedProcessTest, TheChildRunsInAProcessGroupOfItsOwn) {
    auto process = start({"/bin/sh", "-c", "ps -o pgid= -p $$; echo $$"});
    ASSERT_TRUE(process);
    std::string text = collect(*process);
    process->reap();
    std::size_t newline = text.find('\n');
    ASSERT_NE(newline, std::string::npos) << text;
    EXPECT_EQ(std::stoi(text.substr(0, newline)), std::stoi(text.substr(newline + 1)));
    EXPECT_NE(std::stoi(text.substr(0, newline)), ::getpgrp());
}

}  // namespace
}  // namespace orvo
