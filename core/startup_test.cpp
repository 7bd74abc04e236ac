// What start-up asks of the parts above core, seen through recording ports.
#include "core/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/config_keys.h"
#include "core/ini_document.h"
#include "core/workbench.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_program_output.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_job_actions.h"
#include "tests/fake_console_port.h"
#include "tests/fake_main_window_view.h"
#include "tests/recording_ports.h"

namespace orvo {
namespace {

using Calls = std::vector<std::string>;

constexpr const char* kUserIni = "/home/u/.config/orvo/ORVO.INI";

struct PortsRig {
    FakeFileSystem files;
    FakeEnvironment environment;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    FakeProgramOutput programs;
    FakeMainWindowView view;
    Workbench workbench;
    RecordingFirstRunDefaults firstRunDefaults;
    RecordingOwnTreeDatabase ownTree;
    RecordingEditorProfile editorProfile;
    RecordingAutoSave autoSave;
    RecordingSessionJobs sessionJobs;
    FakeConsolePort console;
    FakeJobActions jobActions;
    RecordingMainWindowShell shell;
    RecordingHelpAndSupport help;
    Startup startup;

    explicit PortsRig(CommandLine commandLine = {})
        : startup(workbench, view, {files, environment, ui, desktop, programs},
                  {firstRunDefaults, ownTree, editorProfile, autoSave, sessionJobs, console, jobActions, shell, help},
                  std::move(commandLine)) {
        environment.variables = {{"HOME", "/home/u"}, {"PATH", "/usr/bin"}};
        files.addDirectory("/opt/orvo");
        files.addDirectory("/home/u/.config/orvo");
        files.current = "/launch";
    }

    // A machine that has been set up before.
    void configure(const std::vector<std::pair<ConfigKey, std::string>>& keys) {
        IniDocument document;
        document.writeString(key::OwnTeXTreeDir.section, key::OwnTeXTreeDir.name, "/home/u/texfiles/");
        for (const auto& [key, value] : keys) document.writeString(key.section, key.name, value);
        files.addFile(kUserIni, document.text());
    }
};

TEST(StartupPorts, AConfiguredStartLoadsTheProfileStartsTheAutoSaveAndReadsTheHelpTopics) {
    PortsRig rig;
    rig.configure({});
    ASSERT_EQ(rig.startup.createMainWindow("/opt/orvo/"), StartupOutcome::Ready);
    EXPECT_EQ(rig.editorProfile.calls, Calls {"loadAtStartup"});
    EXPECT_EQ(rig.autoSave.calls, Calls {"restartAutoSave"});
    EXPECT_EQ(rig.help.calls, Calls {"loadTopics"});
    EXPECT_EQ(rig.firstRunDefaults.calls, Calls {}) << "not a first run";
    EXPECT_EQ(rig.ownTree.calls, Calls {});
}

// Notes whether the first ConfigFile was there when the refresh ran. The
// recorded defaults leave it where start-up looked first without one: the
// program folder.
class RefreshAfterWrite : public RecordingOwnTreeDatabase {
public:
    explicit RefreshAfterWrite(const FakeFileSystem& files) : files_(files) {}
    bool configWrittenFirst = false;
    void refresh() override {
        configWrittenFirst = files_.fileExists("/opt/orvo/ORVO.INI");
        RecordingOwnTreeDatabase::refresh();
    }

private:
    const FakeFileSystem& files_;
};

TEST(StartupPorts, AFirstRunTakesTheDefaultsAndRefreshesTheOwnTreeOnceItsFilesAreWritten) {
    PortsRig rig;
    RefreshAfterWrite ownTree(rig.files);
    Startup startup(rig.workbench, rig.view, {rig.files, rig.environment, rig.ui, rig.desktop, rig.programs},
                    {rig.firstRunDefaults, ownTree, rig.editorProfile, rig.autoSave, rig.sessionJobs, rig.console,
                     rig.jobActions, rig.shell, rig.help},
                    CommandLine {});
    ASSERT_EQ(startup.createMainWindow("/opt/orvo/"), StartupOutcome::Ready);
    EXPECT_TRUE(rig.workbench.firstRun);
    EXPECT_EQ(rig.firstRunDefaults.calls, Calls {"apply"});
    EXPECT_EQ(rig.editorProfile.calls, (Calls {"loadAtStartup", "writeFirstRunProfiles"}));
    EXPECT_EQ(ownTree.calls, Calls {"refresh"});
    EXPECT_TRUE(ownTree.configWrittenFirst);
    EXPECT_EQ(rig.files.writesTo("/opt/orvo/ORVO.INI"), 1) << "a port that does not write leaves the write to start-up";
}

TEST(StartupPorts, TheAutostartJobRunsAtStartUpOnlyWithoutConsoleCapture) {
    struct Case {
        bool autostart;
        bool capture;
        Calls jobs;
        bool pending;
    };
    const Case cases[] = {
        {true, false, {"runAutostart"}, false},
        {true, true, {}, true},
        {false, false, {}, true},
    };
    for (const Case& c : cases) {
        PortsRig rig;
        rig.configure({{key::RunAutostartBatchfile, c.autostart ? "1" : "0"}, {key::RunDosWindow, c.capture ? "1" : "0"}});
        ASSERT_EQ(rig.startup.createMainWindow("/opt/orvo/"), StartupOutcome::Ready);
        EXPECT_EQ(rig.sessionJobs.calls, c.jobs) << c.autostart << c.capture;
        EXPECT_EQ(rig.workbench.jobs.autostartPending, c.pending) << c.autostart << c.capture;
    }
}

TEST(StartupPorts, TheProgramEntryEndsWithTheConsoleTheShellsLayoutAndItsHints) {
    PortsRig rig;
    rig.configure({});
    ASSERT_EQ(rig.startup.createMainWindow("/opt/orvo/"), StartupOutcome::Ready);
    rig.startup.finishProgramEntry();
    EXPECT_EQ(rig.console.calls, Calls {"ensureCreated"});
    EXPECT_EQ(rig.shell.calls, (Calls {"applyScreenLayout", "buildHints"}));
    EXPECT_EQ(rig.jobActions.calls, Calls {}) << "no destination script was chosen";
}

TEST(StartupPorts, ADestinationScriptChosenBeforeTheLastQuitRunsAtTheProgramEntry) {
    PortsRig rig;
    rig.configure({{key::PrinterPortTXT, "@office.sh@Office"}});
    ASSERT_EQ(rig.startup.createMainWindow("/opt/orvo/"), StartupOutcome::Ready);
    rig.startup.finishProgramEntry();
    EXPECT_EQ(rig.jobActions.calls, Calls {"redirectPrintDestination"});
}

TEST(StartupCommandLine, ADocumentNameWithALineBreakIsRefusedAndTheConfiguredOneStays) {
    PortsRig rig(CommandLine {{"/docs/two\nlines.tex", "/docs/cur\n.tex"}});
    rig.files.addFile("/docs/paper.tex");
    rig.files.addFile("/docs/two\nlines.tex");
    rig.files.addFile("/docs/cur\n.tex");
    rig.configure({{key::MainFileName, "/docs/paper.tex"}});
    ASSERT_EQ(rig.startup.createMainWindow("/opt/orvo/"), StartupOutcome::Ready);
    EXPECT_EQ(rig.workbench.mainPath + rig.workbench.MainFileName, "/docs/paper.tex");
    EXPECT_EQ(rig.workbench.CurrentFileName, "");
    std::vector<std::string> refusals;
    for (const Message& message : rig.ui.shown)
        if (message.text.find("line break") != std::string::npos) refusals.push_back(message.text);
    ASSERT_EQ(refusals.size(), 1u) << "one warning, for the document";
    EXPECT_NE(refusals[0].find("/docs/two\nlines.tex"), std::string::npos);
}

}  // namespace
}  // namespace orvo
