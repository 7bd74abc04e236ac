// The redirector and its pipe watcher against a scripted child and a main
// thread the test drives: the hand-overs, the rhythm, the failures.
#include "jobs/redirector.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "jobs/pipe_watcher.h"
#include "platform/fake/fake_main_thread.h"
#include "platform/fake/fake_piped_process.h"

namespace orvo {
namespace {

class RedirectorTest : public testing::Test {
protected:
    RedirectorTest() {
        redirector.onData = [this](std::string_view bytes) { received += bytes; };
        redirector.onEnd = [this] {
            ++ends;
            runningAtEnd = redirector.running();
        };
    }

    void startJob(const std::string& commandLine = "/bin/prog -x \"a b\"") {
        ASSERT_FALSE(redirector.setCommandLine(commandLine));
        ASSERT_EQ(redirector.start(), std::nullopt);
    }

    FakePipedProcessStarter starter;
    FakeMainThread mainThread;
    Redirector redirector {starter, mainThread};
    std::string received;
    int ends = 0;
    bool runningAtEnd = true;
};

TEST_F(RedirectorTest, StartsTheSplitCommandLineAndDeliversOutputThenTheEnd) {
    startJob();
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].argv, (std::vector<std::string> {"/bin/prog", "-x", "a b"}));
    EXPECT_TRUE(redirector.running());
    FakeChild& child = starter.last();
    child.feed("hello ");
    ASSERT_TRUE(mainThread.runUntil([&] { return received == "hello "; }));
    child.feed("world\n");
    child.end();
    ASSERT_TRUE(mainThread.runUntil([&] { return ends == 1; }));
    EXPECT_EQ(received, "hello world\n");
    EXPECT_FALSE(runningAtEnd);
    EXPECT_FALSE(redirector.running());
    EXPECT_TRUE(child.reaped);
    EXPECT_FALSE(child.terminated);
}

TEST_F(RedirectorTest, ReadsExactlyWhatIsWaitingAndWaitsInHundredMillisecondSteps) {
    startJob();
    FakeChild& child = starter.last();
    child.feed(std::string(5000, 'x'));
    ASSERT_TRUE(mainThread.runUntil([&] { return received.size() == 5000; }));
    {
        std::lock_guard lock(child.mutex);
        EXPECT_EQ(child.reads, (std::vector<std::size_t> {5000}));
    }
    // Quiet: the watcher looks, then waits one step for the end, again and again.
    std::this_thread::sleep_for(std::chrono::milliseconds(350));
    {
        std::lock_guard lock(child.mutex);
        int steps = int(std::count(child.pollTimeouts.begin(), child.pollTimeouts.end(), kWatchStepMs));
        EXPECT_GE(steps, 3);
        EXPECT_LE(steps, 5);
    }
    child.end();
    ASSERT_TRUE(mainThread.runUntil([&] { return ends == 1; }));
}

TEST_F(RedirectorTest, ATrickleIsGatheredAfterEachDeliveryAndAFloodIsNot) {
    startJob();
    FakeChild& child = starter.last();
    auto endWaits = [&] {
        std::lock_guard lock(child.mutex);
        return child.endWaits;
    };
    child.feed("a line\n");
    ASSERT_TRUE(mainThread.runUntil([&] { return received == "a line\n"; }));
    ASSERT_TRUE(mainThread.runUntil([&] { return !endWaits().empty(); }));
    EXPECT_EQ(endWaits(), std::vector<int> {kGatherMs}) << "a small read waits a moment for more";
    std::size_t waitsBefore = endWaits().size();
    child.feed(std::string(kTrickleBytes, 'x'));
    ASSERT_TRUE(mainThread.runUntil([&] { return received.size() == 7 + kTrickleBytes; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(2 * kGatherMs));
    EXPECT_EQ(endWaits().size(), waitsBefore) << "a full read goes on reading at once";
    child.end();
    ASSERT_TRUE(mainThread.runUntil([&] { return ends == 1; }));
}

TEST_F(RedirectorTest, OutputArrivingAfterTheChildEndedIsDeliveredBeforeTheEnd) {
    startJob();
    FakeChild& child = starter.last();
    child.end(false);  // a program the job left running still holds the pipe
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    child.feed("late\n");
    ASSERT_TRUE(mainThread.runUntil([&] { return ends == 1; }));
    EXPECT_EQ(received, "late\n");
}

TEST_F(RedirectorTest, EveryMisuseFailsWithItsText) {
    EXPECT_EQ(redirector.sendText("x"), "Can't send data to an inactive process");
    EXPECT_EQ(redirector.closeInput(), "Can't send data to an inactive process");
    EXPECT_EQ(redirector.terminate(), "Cannot Terminate an inactive process");
    ASSERT_FALSE(redirector.setCommandLine("   "));
    EXPECT_EQ(redirector.start(), "No commandline to run");
    EXPECT_TRUE(starter.starts.empty());

    startJob("/bin/prog  a");
    EXPECT_EQ(redirector.commandLine(), "/bin/prog a");
    EXPECT_EQ(redirector.start(), "Process is already active");
    EXPECT_EQ(redirector.setCommandLine("/bin/other"), "Cannot change CommandLine while process is active");
    EXPECT_EQ(redirector.setCommandLine("/BIN/PROG A"), std::nullopt);
    starter.last().writeError = EPIPE;
    EXPECT_EQ(redirector.sendText("x"), "Error writing to STDIN pipe : Broken pipe (32)");
}

// A job that does not read its input for 2 s, and one that has closed it.
TEST_F(RedirectorTest, AFailedWriteNamesItsError) {
    struct Case {
        int error;
        const char* text;
    };
    const Case cases[] = {
        {EAGAIN, "Error writing to STDIN pipe : Resource temporarily unavailable (11)"},
        {EPIPE, "Error writing to STDIN pipe : Broken pipe (32)"},
    };
    startJob();
    for (const Case& c : cases) {
        starter.last().writeError = c.error;
        EXPECT_EQ(redirector.sendText("answer\n"), c.text);
    }
    starter.last().end();
    ASSERT_TRUE(mainThread.runUntil([&] { return ends == 1; }));
}

TEST_F(RedirectorTest, AFailedStartNamesTheStepAndTheError) {
    struct Case {
        PipedStartStep step;
        int error;
        const char* text;
    };
    const Case cases[] = {
        {PipedStartStep::InputPipe, EMFILE, "Error on STDIN pipe creation : Too many open files (24)"},
        {PipedStartStep::OutputPipe, ENFILE, "Error on STDOUT pipe creation : Too many open files in system (23)"},
        {PipedStartStep::Process, ENOENT, "Error creating process : No such file or directory (2)"},
    };
    for (const Case& c : cases) {
        starter.failStep = c.step;
        starter.failError = c.error;
        ASSERT_FALSE(redirector.setCommandLine("/no/such/program"));
        EXPECT_EQ(redirector.start(), c.text);
        EXPECT_FALSE(redirector.running());
    }
}

TEST_F(RedirectorTest, InputGoesToTheChildAndEndOfInputClosesIt) {
    startJob();
    EXPECT_EQ(redirector.sendText("y\n"), std::nullopt);
    EXPECT_EQ(redirector.closeInput(), std::nullopt);
    FakeChild& child = starter.last();
    EXPECT_EQ(child.input, "y\n");
    EXPECT_TRUE(child.inputClosed);
    redirector.discard();
}

TEST_F(RedirectorTest, TerminateKillsTheChildAndTheEndIsReportedAsUsual) {
    startJob();
    EXPECT_EQ(redirector.terminate(), std::nullopt);
    ASSERT_TRUE(mainThread.runUntil([&] { return ends == 1; }));
    EXPECT_TRUE(starter.last().terminated);
    EXPECT_TRUE(starter.last().reaped);
}

TEST_F(RedirectorTest, DiscardStopsWatchingKillsAndCollectsWithoutAnEnd) {
    startJob();
    FakeChild& child = starter.last();
    child.feed("unread");
    redirector.discard();  // the hand-over of "unread" is still queued
    EXPECT_FALSE(redirector.running());
    EXPECT_TRUE(child.terminated);
    EXPECT_TRUE(child.reaped);
    mainThread.runPending(50);
    EXPECT_EQ(received, "");
    EXPECT_EQ(ends, 0);
    // The handlers stay for the next job.
    startJob();
    starter.last().feed("next");
    starter.last().end();
    ASSERT_TRUE(mainThread.runUntil([&] { return ends == 1; }));
    EXPECT_EQ(received, "next");
}

TEST_F(RedirectorTest, AHandlerMayDiscardOrStartAgainWithoutDeadlock) {
    redirector.onData = [this](std::string_view bytes) {
        received += bytes;
        redirector.discard();
    };
    startJob();
    starter.last().feed("stop here");
    ASSERT_TRUE(mainThread.runUntil([&] { return !redirector.running(); }));
    EXPECT_EQ(received, "stop here");

    redirector.onEnd = [this] {
        if (++ends == 1) startJob("/bin/second");
    };
    startJob();
    starter.last().end();
    ASSERT_TRUE(mainThread.runUntil([&] { return ends == 1; }));
    EXPECT_TRUE(redirector.running());
    EXPECT_EQ(starter.starts.back().argv[0], "/bin/second");
}

TEST_F(RedirectorTest, AFailedReadStopsTheWatcherSilentlyAndTheJobNeverEnds) {
    startJob();
    FakeChild& child = starter.last();
    child.readError = EIO;
    child.feed("x");
    ASSERT_TRUE(mainThread.runUntil([&] { return !redirector.watcherError().empty(); }));
    EXPECT_EQ(redirector.watcherError(), "Error reading STDOUT pipe : Input/output error (5)");
    child.end();
    mainThread.runPending(250);
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(redirector.running());
    redirector.discard();
    EXPECT_TRUE(child.reaped);
}

}  // namespace
}  // namespace orvo
