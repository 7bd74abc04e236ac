#include "jobs/launcher_session_jobs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/command_words.h"
#include "tests/launcher_rig.h"

namespace orvo {
namespace {

using Words = std::vector<std::string>;

class SessionJobsTest : public ::testing::Test, protected test::LauncherRig {
protected:
    Workbench& w = workbench;
    LauncherSessionJobs jobs {w, launcher, console};

    SessionJobsTest() {
        w.FourDosProgram = "/opt/orvo/orvocmd";
        w.FourDosOptions = "/c";
        w.OrvoBTMDir = "/opt/orvo/";
        w.batchExtension = "BTM";
        w.RunAutostartBatchfile = true;
    }
};

// The autostart job names the main and the current file: names, never
// markers, whatever they hold.
TEST_F(SessionJobsTest, TheAutostartJobTakesDocumentNamesAsNames) {
    for (const char* name : {"x&4DOS evil.btm .tex", "y&NOREDIR z.tex", "R&4dos.tex"}) {
        for (bool grab : {false, true}) {
            SCOPED_TRACE(std::string(name) + (grab ? ", captured" : ", uncaptured"));
            processes.starts.clear();
            w.jobs = {};
            w.RunDosWindow = grab;
            w.MainFileName = name;
            w.CurrentFileName = std::string("/docs/") + name;
            jobs.runAutostart();
            Words words = grab ? splitCommandLine(w.jobs.pendingConsoleCommand)
                               : (processes.starts.empty() ? Words {} : processes.starts.back().argv);
            EXPECT_EQ(words, (Words {"/opt/orvo/orvocmd", "/c", "/opt/orvo/AUTOSTART.BTM", name,
                                     std::string("/docs/") + name}));
            EXPECT_EQ(processes.starts.empty(), grab) << "captured or not as configured";
        }
    }
}

TEST_F(SessionJobsTest, TheClosingJobsRunTheClosingScriptDirectlyOrInTheConsoleAndCloseTheKillList) {
    w.KillProcesses = "XDvi";
    jobs.closeAuxiliaryWindows();
    EXPECT_EQ(windows.closeRequests, Words {"XDvi"});
    jobs.startClosingScript();
    ASSERT_EQ(processes.starts.size(), 1u);
    EXPECT_EQ(processes.starts[0].argv, (Words {"/opt/orvo/orvocmd", "/c", "/opt/orvo/CLOSING.BTM"}));
    EXPECT_TRUE(processes.starts[0].detached);
    jobs.runClosingScriptInConsole();
    EXPECT_EQ(console.calls.back(), "runUntilClosed /opt/orvo/orvocmd /c /opt/orvo/CLOSING.BTM");
}

}  // namespace
}  // namespace orvo
