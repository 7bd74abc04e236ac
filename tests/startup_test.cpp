// Start-up with the parts above core it drives: the first run's detected
// defaults, the editor profiles and the launcher's autostart job.
#include "core/startup.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>

#include "core/config_keys.h"
#include "core/editor_quit.h"
#include "core/shutdown.h"
#include "core/utility_dialogs.h"
#include "core/config_location.h"
#include "core/ini_document.h"
#include "core/speedbar_layout.h"
#include "core/auto_save.h"
#include "core/help_and_support.h"
#include "core/main_window_shell.h"
#include "core/own_tree_database.h"
#include "core/session_jobs.h"
#include "core/workbench.h"
#include "editor/editor_profile_service.h"
#include "jobs/launcher.h"
#include "jobs/launcher_session_jobs.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_process_launcher.h"
#include "platform/fake/fake_program_output.h"
#include "platform/fake/fake_user_interaction.h"
#include "setup/first_run_setup.h"
#include "tests/fake_job_actions.h"
#include "tests/fake_console_port.h"
#include "tests/fake_main_window_view.h"
#include "tests/startup_rig.h"

namespace orvo {
namespace {

using Parameters = std::vector<std::string>;
using Keys = std::vector<std::pair<ConfigKey, std::string>>;

using Rig = test::StartupRig;
using test::kLaunchFolder;
using test::kOwnTree;
using test::kProgramDir;
using test::kProgramIni;
using test::kUserConfig;
using test::kUserIni;

// A configuration of a machine that has been set up: TeX in /usr, the own
// tree, a main file and a current file that all exist.
Keys fullConfiguration() {
    return {{key::OwnTeXTreeDir, kOwnTree},
            {key::Web2cDir, "/usr/share/texlive/"},
            {key::Web2cBINDir, "/usr/bin/"},
            {key::MainFileName, "/docs/paper.tex"},
            {key::CurrentFileName, "/docs/chap1.tex"}};
}

Keys operator+(Keys keys, const Keys& more) {
    keys.insert(keys.end(), more.begin(), more.end());  // later entries win
    return keys;
}


// --- Where ConfigFile is found -------------------------------------------

TEST(UserConfigFolderTest, FollowsXdgConfigHome) {
    struct Case {
        std::map<std::string, std::string> variables;
        const char* expected;
    };
    const Case cases[] = {
        {{{"HOME", "/home/u"}}, "/home/u/.config/orvo/"},
        {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg"}}, "/cfg/orvo/"},
        {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg/"}}, "/cfg/orvo/"},
        {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", ""}}, "/home/u/.config/orvo/"},
        {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "relative/cfg"}}, "/home/u/.config/orvo/"},
        {{}, "/tmp/.config/orvo/"},
    };
    for (const Case& c : cases) {
        FakeEnvironment environment;
        environment.variables = c.variables;
        EXPECT_EQ(userConfigFolder(environment), c.expected) << ::testing::PrintToString(c.variables);
    }
}

TEST(StartupLocateTest, UserFolderThenProgramFolderUnlessNamed) {
    struct Case {
        const char* name;
        std::vector<std::string> present;  // ConfigFiles that exist; each marks itself in XScreenPos
        Parameters parameters;
        const char* iniDir;
        const char* iniName;
        int readFrom;  // the mark of the file that was read
    };
    const std::map<std::string, int> marks {{kUserIni, 11}, {kProgramIni, 22}, {"/x/MY.INI", 33}, {"MY.INI", 44}};
    const Case cases[] = {
        {"user folder wins", {kUserIni, kProgramIni}, {}, kUserConfig, "ORVO.INI", 11},
        {"program folder otherwise", {kProgramIni}, {}, kProgramDir, "ORVO.INI", 22},
        {"named file with folder", {kUserIni, kProgramIni, "/x/MY.INI"}, {"-INIFILE", "/x/MY.INI"}, "/x/", "MY.INI", 33},
        {"named file without folder", {kUserIni, "MY.INI"}, {"-inifile", "MY.INI"}, "", "MY.INI", 44},
        {"-INIFILE without a path", {kUserIni, kProgramIni}, {"-INIFILE"}, kUserConfig, "ORVO.INI", 11},
    };
    for (const Case& c : cases) {
        Rig rig;
        for (const std::string& path : c.present)
            rig.writeConfig(path, fullConfiguration() + Keys {{key::XScreenPos, std::to_string(marks.at(path))}});
        ASSERT_EQ(rig.start(c.parameters), StartupOutcome::Ready) << c.name;
        EXPECT_FALSE(rig.workbench.firstRun) << c.name;
        EXPECT_EQ(rig.workbench.iniDir, c.iniDir) << c.name;
        EXPECT_EQ(rig.workbench.iniName, c.iniName) << c.name;
        EXPECT_EQ(rig.workbench.XScreenPos, c.readFrom) << c.name;
    }
}

TEST(StartupLocateTest, XdgConfigHomeIsTheUserFolder) {
    Rig rig;
    rig.environment.variables["XDG_CONFIG_HOME"] = "/cfg";
    rig.writeConfig("/cfg/orvo/ORVO.INI", fullConfiguration() + Keys {{key::XScreenPos, "33"}});
    rig.writeConfig(kUserIni, fullConfiguration() + Keys {{key::XScreenPos, "11"}});
    ASSERT_EQ(rig.start(), StartupOutcome::Ready);
    EXPECT_EQ(rig.workbench.iniDir, "/cfg/orvo/");
    EXPECT_EQ(rig.workbench.XScreenPos, 33);
}

// --- First run ------------------------------------------------------------

TEST(StartupFirstRunTest, TakesPlaceWithoutOwnTreeOrWhenAsked) {
    struct Case {
        const char* name;
        std::optional<Keys> userConfig;
        Parameters parameters;
        bool firstRun;
    };
    const Case cases[] = {
        {"no ConfigFile", std::nullopt, {}, true},
        {"ConfigFile without OwnTeXTreeDir", Keys {{key::Web2cDir, "/usr/share/texlive/"}}, {}, true},
        {"complete ConfigFile", fullConfiguration(), {}, false},
        {"complete ConfigFile, -INI", fullConfiguration(), {"-INI"}, true},
        {"complete ConfigFile, --ini", fullConfiguration(), {"--ini"}, true},
        {"complete ConfigFile, -I", fullConfiguration(), {"-I", "-MENU"}, true},
        {"complete ConfigFile, -INI not first", fullConfiguration(), {"/docs/paper.tex", "-INI"}, false},
    };
    for (const Case& c : cases) {
        Rig rig;
        if (c.userConfig) rig.writeConfig(kUserIni, *c.userConfig);
        std::optional<std::string> before = rig.files.readFile(kUserIni);
        ASSERT_EQ(rig.start(c.parameters), StartupOutcome::Ready) << c.name;
        EXPECT_EQ(rig.workbench.firstRun, c.firstRun) << c.name;
        // Only a first run writes ConfigFile at start-up; it writes it in full.
        EXPECT_EQ(rig.files.readFile(kUserIni) != before, c.firstRun) << c.name;
        if (c.firstRun) {
            EXPECT_EQ(rig.written(kUserIni, key::OwnTeXTreeDir), kOwnTree) << c.name;
            EXPECT_EQ(rig.written(kUserIni, key::ScreenFont), "Tahoma") << c.name;
        }
    }
}

class FirstRunTest : public ::testing::Test {
protected:
    static constexpr const char* kTexBin = "/usr/local/texlive/2023/bin/x86_64-linux/";
    Rig rig;

    FirstRunTest() { addTexLive(rig); }
    static void addTexLive(Rig& rig) {
        rig.environment.variables["PATH"] = "/usr/local/texlive/2023/bin/x86_64-linux:/usr/bin";
        rig.files.addFile(std::string(kTexBin) + "kpsewhich");
        rig.files.addDirectory("/usr/local/texlive/2023");
        rig.programs.answers[std::string(kTexBin) + "kpsewhich -var-value TEXMFROOT"] = "/usr/local/texlive/2023\n";
        rig.files.addFile("/opt/orvo/samples/latexsample.tex", "\\documentclass{article}% sample");
    }
};

TEST_F(FirstRunTest, SetsUpTexLiveOwnTreeSampleAndConfigFile) {
    ASSERT_EQ(rig.start(), StartupOutcome::Ready);
    const Workbench& w = rig.workbench;
    EXPECT_TRUE(w.firstRun);
    EXPECT_EQ(w.Web2cDir, "/usr/local/texlive/2023/");
    EXPECT_EQ(w.Web2cBINDir, kTexBin);
    EXPECT_EQ(rig.messages(), std::vector<std::string> {});
    EXPECT_TRUE(rig.files.directoryExists(kOwnTree));
    EXPECT_EQ(rig.files.readFile("/home/u/texfiles/latexsample.tex"), "\\documentclass{article}% sample");

    EXPECT_EQ(w.iniDir, kUserConfig);
    EXPECT_EQ(rig.written(kUserIni, key::Web2cDir), "/usr/local/texlive/2023/");
    EXPECT_EQ(rig.written(kUserIni, key::Web2cBINDir), kTexBin);
    EXPECT_EQ(rig.written(kUserIni, key::OwnTeXTreeDir), kOwnTree);
    EXPECT_EQ(rig.written(kUserIni, key::MainFileName), "/home/u/texfiles/latexsample.tex");

    // The sample becomes the main file, and its folder the current one.
    EXPECT_EQ(rig.view.mainFile, "/home/u/texfiles/latexsample.tex");
    EXPECT_EQ(rig.files.currentDirectory(), kOwnTree);
    // The distribution is on PATH already; nothing else belongs there.
    EXPECT_EQ(rig.environment.variables["PATH"], "/usr/local/texlive/2023/bin/x86_64-linux:/usr/bin");
    EXPECT_EQ(w.savedPath, rig.environment.variables["PATH"]);
}

TEST_F(FirstRunTest, NextStartUpUsesWhatTheFirstRunWrote) {
    ASSERT_EQ(rig.start(), StartupOutcome::Ready);
    std::optional<std::string> written = rig.files.readFile(kUserIni);

    Workbench next;
    FakeMainWindowView view;
    EditorProfileService nextProfile {next, {rig.files, rig.environment, rig.ui, view}};
    Startup again(next, view, rig.services(),
                  {rig.firstRunDefaults, rig.ownTree, nextProfile, rig.autoSave, *rig.sessionJobs, rig.console,
                   rig.jobActions, rig.shell, rig.help, rig.configSections},
                  CommandLine {});
    ASSERT_EQ(again.createMainWindow(kProgramDir), StartupOutcome::Ready);
    EXPECT_FALSE(next.firstRun);
    EXPECT_EQ(rig.files.readFile(kUserIni), written);
    EXPECT_EQ(next.Web2cDir, "/usr/local/texlive/2023/");
    EXPECT_EQ(next.OwnTeXTreeDir, kOwnTree);
    EXPECT_EQ(next.MainFileName, "latexsample.tex");
    EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(FirstRunTest, NamedConfigFileIsWrittenWhereItWasNamed) {
    rig.files.addDirectory("/x");
    ASSERT_EQ(rig.start({"-INIFILE", "/x/MY.INI"}), StartupOutcome::Ready);
    EXPECT_TRUE(rig.workbench.firstRun);
    EXPECT_EQ(rig.workbench.iniDir, "/x/");
    EXPECT_EQ(rig.written("/x/MY.INI", key::OwnTeXTreeDir), kOwnTree);
    EXPECT_FALSE(rig.files.fileExists(kUserIni));
}

TEST_F(FirstRunTest, AskedAgainRewritesAnExistingConfigFile) {
    rig.writeConfig(kUserIni, fullConfiguration() + Keys {{key::OwnTeXTreeDir, "/old/tree/"}});
    ASSERT_EQ(rig.start({"-INI"}), StartupOutcome::Ready);
    EXPECT_TRUE(rig.workbench.firstRun);
    EXPECT_EQ(rig.written(kUserIni, key::OwnTeXTreeDir), kOwnTree);
    EXPECT_EQ(rig.written(kUserIni, key::ScreenFontSize), "8");
}

// The configuration, the default environment and the editor profiles are
// one pass: a kill can leave no first file without its environment.
TEST_F(FirstRunTest, TheFirstConfigFileIsOneWriteWithItsEnvironmentAndEditorProfiles) {
    rig.files.addFile("/usr/bin/gedit");
    ASSERT_EQ(rig.start(), StartupOutcome::Ready);
    EXPECT_EQ(rig.files.writesTo(kUserIni), 1);
    IniDocument ini(rig.files.readFile(kUserIni).value_or(""));
    EXPECT_EQ(ini.readString("UserChoice", "OwnTeXTreeDir", ""), kOwnTree);
    EXPECT_EQ(ini.readString("Environment", "MODE", ""), "ljfour");
    EXPECT_EQ(ini.readString("Environment", "GS_LIB", ""), "/usr/local/texlive/2023/bin/x86_64-linux");
    EXPECT_EQ(ini.readString("Editor:gedit_US", "Editor", ""), "/usr/bin/gedit");
    EXPECT_EQ(ini.readString("UserChoice", "EditorSection", ""), "Editor:gedit");
    // What was written is in force.
    EXPECT_EQ(rig.workbench.activeEditorSection, "Editor:gedit_US");
    EXPECT_EQ(rig.environment.variables["MODE"], "ljfour");
    EXPECT_EQ(rig.messages(), std::vector<std::string> {});
}

TEST_F(FirstRunTest, AFirstFileThatCannotBeWrittenIsReportedOnceAndOnlyWhenAskedFor) {
    for (bool show : {false, true}) {
        SCOPED_TRACE(show);
        Rig rig;
        rig.environment.variables["PATH"] = "/usr/bin";
        rig.files.addFile("/usr/bin/gedit");
        rig.writeConfig(kUserIni, fullConfiguration() + Keys {{key::ShowINIErrors, show ? "1" : "0"}});
        std::optional<std::string> before = rig.files.readFile(kUserIni);
        rig.files.failWrites = true;
        ASSERT_EQ(rig.start({"-INI"}), StartupOutcome::Ready);
        std::vector<std::string> expected;
        if (show) expected.push_back(std::string("Orvo couldn't write the INI file ") + kUserIni);
        EXPECT_EQ(rig.messages(), expected);
        EXPECT_EQ(rig.ui.logged,
                  std::vector<std::string> {std::string("couldn't write ") + kUserIni + ": No space left on device"});
        EXPECT_EQ(rig.files.readFile(kUserIni), before);
        // Nothing of the pass took effect: the profile and environment come from the file.
        EXPECT_NE(rig.workbench.activeEditorSection, "Editor:gedit_US");
        EXPECT_EQ(rig.environment.variables.count("MODE"), 0u);
    }
}

// Taken for a missing file, it would be replaced by a first run's defaults,
// and again at every start.
TEST_F(FirstRunTest, AConfigFileThatCannotBeReadIsReportedAndNeverWritten) {
    struct Case {
        FileError error;
        const char* reason;
    };
    const Case cases[] = {
        {{FileError::Kind::System, EACCES}, "Permission denied"},
        {{FileError::Kind::NotRegularFile, 0}, "not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        Rig rig;
        addTexLive(rig);
        rig.writeConfig(kUserIni, fullConfiguration());
        std::string before = rig.files.files.at(kUserIni);
        rig.files.unreadable[kUserIni] = c.error;
        ASSERT_EQ(rig.start(), StartupOutcome::Ready);
        EXPECT_EQ(rig.messages(), std::vector<std::string> {std::string("Orvo couldn't read the INI file ") + kUserIni +
                                                            ": " + c.reason +
                                                            ". Orvo starts with its default settings and leaves "
                                                            "the file as it is."});
        EXPECT_TRUE(rig.workbench.firstRun) << "the defaults are a first run's";
        EXPECT_EQ(rig.workbench.OwnTeXTreeDir, kOwnTree);
        EXPECT_EQ(rig.workbench.Web2cDir, "/usr/local/texlive/2023/");

        NullSessionJobs jobs;
        NullEditorQuit editor;
        NullUtilityDialogs dialogs;
        Shutdown(rig.workbench, rig.view, {rig.files, rig.ui, rig.desktop}, {jobs, editor, dialogs, rig.configSections})
            .run();
        EXPECT_EQ(rig.files.writesTo(kUserIni), 0);
        EXPECT_EQ(rig.files.files.at(kUserIni), before);
        EXPECT_EQ(rig.messages().size(), 1u) << "said once, at start-up";
    }
}

TEST(StartupParameterFileTest, AParameterFileThatCannotBeReadIsReportedForEitherWayOfNamingTheDocument) {
    const std::string expected =
        "Orvo couldn't read the parameter file /docs/paper.ORVOPAR: not a regular file. The document keeps the "
        "choices in force, and the file is left as it is.";
    for (bool onCommandLine : {false, true}) {
        SCOPED_TRACE(onCommandLine);
        Rig rig;
        rig.writeConfig(kUserIni, fullConfiguration());
        rig.files.unreadable["/docs/paper.ORVOPAR"] = {FileError::Kind::NotRegularFile, 0};
        ASSERT_EQ(rig.start(onCommandLine ? Parameters {"/docs/paper.tex"} : Parameters {}), StartupOutcome::Ready);
        EXPECT_EQ(rig.messages(), std::vector<std::string> {expected});
        EXPECT_EQ(rig.view.mainFile, "/docs/paper.tex") << "the document is taken all the same";
    }
}

// --- Distribution folders and PATH ----------------------------------------

TEST(StartupFoldersTest, WarnsAboutMissingDistributionFoldersAndGoesOn) {
    struct Case {
        const char* web2cDir;
        const char* web2cBINDir;
        std::vector<std::string> warnings;
    };
    const Case cases[] = {
        {"/usr/share/texlive/", "/usr/bin/", {}},
        {"/opt/tex/", "/usr/bin/", {"Directory /opt/tex/ does't exist!"}},
        {"/usr/share/texlive/", "/opt/tex/bin/", {"Directory /opt/tex/bin/ does't exist!"}},
        {"/opt/tex/", "/opt/tex/bin/", {"Directory /opt/tex/ does't exist!", "Directory /opt/tex/bin/ does't exist!"}},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.writeConfig(kUserIni, fullConfiguration() + Keys {{key::Web2cDir, c.web2cDir}, {key::Web2cBINDir, c.web2cBINDir}});
        ASSERT_EQ(rig.start(), StartupOutcome::Ready) << c.web2cDir;
        EXPECT_EQ(rig.messages(), c.warnings) << c.web2cDir << " " << c.web2cBINDir;
        for (const Message& message : rig.ui.shown) {
            EXPECT_EQ(message.kind, MessageKind::Warning);
            EXPECT_EQ(message.buttons, MessageButtons::Ok);
            EXPECT_EQ(message.placement, MessagePlacement::ScreenCentre);
        }
        // Start-up continues with the values as read.
        EXPECT_EQ(rig.workbench.Web2cDir, c.web2cDir);
        EXPECT_EQ(rig.workbench.Web2cBINDir, c.web2cBINDir);
        EXPECT_EQ(rig.view.mainFile, "/docs/paper.tex");
    }
}

TEST(StartupSearchPathTest, BuildsPathFromTheStartValueOfTheProgramFolder) {
    struct Case {
        const char* name;
        const char* iniPath;
        bool ownPrograms;
        const char* expected;
    };
    const Case cases[] = {
        {"ConfigFile in the user folder", kUserIni, false, "/opt/tl/bin:/usr/bin:/bin"},
        {"ConfigFile in the program folder", kProgramIni, false, "/opt/tl/bin:/opt/orvo:/usr/bin:/bin"},
        {"own programs", kUserIni, true, "/home/u/texfiles/bin:/opt/tl/bin:/usr/bin:/bin"},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.files.addDirectory("/opt/tl/bin");
        if (c.ownPrograms) rig.files.addDirectory("/home/u/texfiles/bin");
        // The configured batch folder is read after PATH is built and does not count.
        rig.writeConfig(c.iniPath, fullConfiguration() + Keys {{key::Web2cBINDir, "/opt/tl/bin/"},
                                                               {key::OrvoBTMDir, "/elsewhere/"}});
        ASSERT_EQ(rig.start(), StartupOutcome::Ready) << c.name;
        EXPECT_EQ(rig.environment.variables["PATH"], c.expected) << c.name;
        EXPECT_EQ(rig.workbench.savedPath, c.expected) << c.name;
        EXPECT_EQ(rig.workbench.OrvoBTMDir, "/elsewhere/") << c.name;
    }
}

// --- Main and current file --------------------------------------------------

TEST(StartupFilesTest, ShowsOnlyFilesThatExistAndEntersTheMainFolder) {
    struct Case {
        const char* name;
        bool mainExists;
        bool currentExists;
        bool ownTreeExists;
        const char* mainPath;
        const char* mainFileName;
        const char* currentFileName;
        const char* dviFileName;
        const char* currentFolder;
    };
    const Case cases[] = {
        {"both exist", true, true, true, "/docs/", "paper.tex", "/docs/chap1.tex", "/docs/paper.DVI", "/docs/"},
        {"no current file", true, false, true, "/docs/", "paper.tex", "", "/docs/paper.DVI", "/docs/"},
        {"no main file", false, true, true, "", "", "/docs/chap1.tex", "", kOwnTree},
        {"neither file nor own tree", false, false, false, "", "", "", "", kLaunchFolder},
    };
    for (const Case& c : cases) {
        Rig rig;
        if (!c.mainExists) rig.files.removeFile("/docs/paper.tex");
        if (!c.currentExists) rig.files.removeFile("/docs/chap1.tex");
        if (!c.ownTreeExists) rig.files.directories.erase("/home/u/texfiles");
        rig.writeConfig(kUserIni, fullConfiguration());
        ASSERT_EQ(rig.start(), StartupOutcome::Ready) << c.name;
        const Workbench& w = rig.workbench;
        EXPECT_EQ(w.mainPath, c.mainPath) << c.name;
        EXPECT_EQ(w.MainFileName, c.mainFileName) << c.name;
        EXPECT_EQ(w.CurrentFileName, c.currentFileName) << c.name;
        EXPECT_EQ(w.dviFileName, c.dviFileName) << c.name;
        EXPECT_EQ(rig.view.mainFile, std::string(c.mainPath) + c.mainFileName) << c.name;
        EXPECT_EQ(rig.view.currentFile, c.currentFileName) << c.name;
        EXPECT_EQ(rig.files.currentDirectory(), c.currentFolder) << c.name;
    }
}

TEST(StartupFilesTest, WindowIsLockedForTheWholeCreation) {
    Rig rig;
    rig.writeConfig(kUserIni, fullConfiguration() + Keys {{key::XScreenPos, "40"}, {key::YScreenPos, "30"},
                                                          {key::StayOnTop, "1"}});
    ASSERT_EQ(rig.start(), StartupOutcome::Ready);
    ASSERT_FALSE(rig.view.calls.empty());
    EXPECT_EQ(rig.view.calls.front(), "lockUpdates 1");
    EXPECT_EQ(rig.view.calls.back(), "lockUpdates 0");
    EXPECT_EQ(rig.view.last("moveTo"), "moveTo 40 30");
    EXPECT_TRUE(rig.view.onTop);
}

// --- Command line -----------------------------------------------------------

TEST(StartupCommandLineTest, MenuOpensTheTabbedWindowAtTheCorner) {
    struct Case {
        Parameters parameters;
        bool menu;
    };
    const Case cases[] = {
        {{}, false},
        {{"-MENU"}, true},
        {{"-menu"}, true},
        {{"/docs/paper.tex", "-Menu"}, true},
        {{"/docs/paper.tex", "/docs/chap1.tex", "-MENU"}, true},
        {{"-INIFILE", kUserIni, "-MENU"}, true},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.writeConfig(kUserIni, fullConfiguration() + Keys {{key::Menubar, "1"},
                                                              {key::SpeedbarImages, "1"},
                                                              {key::Verticalbar, "1"},
                                                              {key::SpeedbarLeft, "0"},
                                                              {key::SpeedbarTop, "1"},
                                                              {key::XScreenPos, "300"},
                                                              {key::YScreenPos, "200"}});
        std::string shown = ::testing::PrintToString(c.parameters);
        ASSERT_EQ(rig.start(c.parameters), StartupOutcome::Ready) << shown;
        rig.startup->finishProgramEntry();
        const Workbench& w = rig.workbench;
        EXPECT_EQ(w.Menubar, !c.menu) << shown;
        EXPECT_EQ(w.SpeedbarImages, !c.menu) << shown;
        EXPECT_EQ(w.XScreenPos, c.menu ? 0 : 300) << shown;
        EXPECT_EQ(w.YScreenPos, c.menu ? 0 : 200) << shown;
        EXPECT_EQ(rig.view.last("moveTo"), c.menu ? "moveTo 0 0" : "moveTo 300 200") << shown;
        EXPECT_EQ(rig.view.count("setSpeedbarMode 1"), c.menu ? 0 : 1) << shown;
        EXPECT_EQ(rig.view.last("setSpeedbarMode"), c.menu ? "" : "setSpeedbarMode 1 1") << shown;
        // Vertical, right-top; the tabbed window keeps layout 0.
        EXPECT_EQ(w.speedbarLayout, c.menu ? 0 : 8) << shown;
    }
}

TEST(StartupCommandLineTest, DocumentReplacesTheConfiguredMainFile) {
    struct Case {
        const char* name;
        Parameters parameters;
        const char* mainPath;
        const char* mainFileName;
        const char* currentFileName;
        const char* currentFolder;
    };
    const Case cases[] = {
        {"main file", {"/thesis/main.tex"}, "/thesis/", "main.tex", "", "/thesis/"},
        {"main and current file", {"/thesis/main.tex", "/thesis/ch1.tex"}, "/thesis/", "main.tex",
         "/thesis/ch1.tex", "/thesis/"},
        {"missing current file", {"/thesis/main.tex", "/thesis/gone.tex"}, "/thesis/", "main.tex", "", "/thesis/"},
        {"missing main file", {"/thesis/gone.tex", "/thesis/ch1.tex"}, "", "", "/thesis/ch1.tex", kOwnTree},
        {"relative to the launch folder", {"main.tex", "sub/ch2.tex"}, kLaunchFolder, "main.tex",
         "/launch/sub/ch2.tex", kLaunchFolder},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.files.addFile("/thesis/main.tex");
        rig.files.addFile("/thesis/ch1.tex");
        rig.files.addFile("/launch/main.tex");
        rig.files.addFile("/launch/sub/ch2.tex");
        // The configured main file moves the current folder to /docs/ first.
        rig.writeConfig(kUserIni, fullConfiguration());
        ASSERT_EQ(rig.start(c.parameters), StartupOutcome::Ready) << c.name;
        const Workbench& w = rig.workbench;
        EXPECT_EQ(w.mainPath, c.mainPath) << c.name;
        EXPECT_EQ(w.MainFileName, c.mainFileName) << c.name;
        EXPECT_EQ(w.CurrentFileName, c.currentFileName) << c.name;
        EXPECT_EQ(rig.view.mainFile, std::string(c.mainPath) + c.mainFileName) << c.name;
        EXPECT_EQ(rig.view.currentFile, c.currentFileName) << c.name;
        if (*c.mainFileName) {
            EXPECT_EQ(w.dviFileName, std::string(c.mainPath) + "main.DVI") << c.name;
        }
        // The current folder follows the main file that start-up ends with.
        EXPECT_EQ(rig.files.currentDirectory(), c.currentFolder) << c.name;
    }
}

// --- Program entry and message texts ----------------------------------------

TEST(SpeedbarLayoutTest, NumberFromTheFourFlags) {
    struct Case {
        bool userPosition, left, top, vertical;
        int layout;
    };
    const Case cases[] = {
        {true, true, true, false, 0},   {true, false, false, false, 0}, {true, true, false, true, 5},
        {true, false, true, true, 5},   {false, true, true, false, 1},  {false, true, false, false, 2},
        {false, false, true, false, 3}, {false, false, false, false, 4}, {false, true, true, true, 6},
        {false, true, false, true, 7},  {false, false, true, true, 8},  {false, false, false, true, 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(speedbarLayoutNumber(c.userPosition, c.left, c.top, c.vertical), c.layout)
            << c.userPosition << c.left << c.top << c.vertical;
        Rig rig;
        Workbench& w = rig.workbench;
        std::tie(w.UserSpeedbarPosition, w.SpeedbarLeft, w.SpeedbarTop, w.Verticalbar) =
            std::tie(c.userPosition, c.left, c.top, c.vertical);
        Startup startup(w, rig.view, rig.services(), rig.ports(), CommandLine {});
        w.Menubar = false;
        startup.finishProgramEntry();
        EXPECT_EQ(w.speedbarLayout, 0) << "tabbed window";
        w.Menubar = true;
        startup.finishProgramEntry();
        EXPECT_EQ(w.speedbarLayout, c.layout);
    }
}

TEST(StartupMessageTest, MessageTextsComeFromTheStartupLanguageFile) {
    Rig rig;
    rig.writeConfig(kUserIni, fullConfiguration());
    std::string lines;
    for (int i = 0; i < 110; ++i) lines += "control " + std::to_string(i) + "\r\n";
    for (int i = 0; i < 40; ++i) lines += (i == 7 ? std::string("   ") : "message " + std::to_string(i)) + "\r\n";
    rig.files.addFile("/opt/orvo/US.SCR", lines);
    ASSERT_EQ(rig.start(), StartupOutcome::Ready);

    struct Case {
        int entry;
        const char* expected;
    };
    const Case cases[] = {
        {0, "message 0"}, {34, "message 34"}, {7, "fallback"},  // blank entry
        {39, "message 39"}, {40, "fallback"},                   // beyond the file
        {52, "fallback"}, {53, "fallback"}, {-1, "fallback"},   // beyond the list
    };
    for (const Case& c : cases)
        EXPECT_EQ(Startup::messageText(rig.workbench, c.entry, "fallback"), c.expected) << c.entry;
}

TEST(StartupMessageTest, MissingLanguageFileLeavesBlankTexts) {
    Rig rig;
    rig.writeConfig(kUserIni, fullConfiguration());
    ASSERT_EQ(rig.start(), StartupOutcome::Ready);
    EXPECT_TRUE(rig.workbench.uiStrings.empty());
    EXPECT_EQ(rig.workbench.messageTexts, std::vector<std::string>(kMessageTextCount, " "));
    EXPECT_EQ(Startup::messageText(rig.workbench, kAlreadyRunningMessage, "Orvo is already running."),
              "Orvo is already running.");
}


// --- Environment and the autostart job -------------------------------------

TEST(StartupEnvironmentTest, TheSectionIsAppliedAfterPathIsBuiltAndWrittenOutAtTheEnd) {
    Rig rig;
    rig.writeConfig(kUserIni, fullConfiguration() + Keys {{{section::Environment, "TEXINPUTS"}, ".:/my/styles:"},
                                                          {{section::Environment, "PATH"}, "/only/this"},
                                                          {{section::Environment, "EMPTY"}, ""}});
    ASSERT_EQ(rig.start(), StartupOutcome::Ready);
    EXPECT_EQ(rig.environment.variables["TEXINPUTS"], ".:/my/styles:");
    EXPECT_EQ(rig.environment.variables["EMPTY"], "");
    EXPECT_EQ(rig.environment.variables["PATH"], "/only/this") << "the section has the last word";
    EXPECT_EQ(rig.workbench.savedPath, "/usr/bin:/bin");
    // The batch files go into the folder start-up ends in, from ConfigFile.
    EXPECT_EQ(rig.files.currentDirectory(), "/docs/");
    EXPECT_EQ(rig.files.readFile("/docs/ORVOSET.BAT"),
              "set TEXINPUTS=.:/my/styles:\r\nset PATH=/only/this\r\nset EMPTY=\r\n"
              "set PATH=/usr/bin:/bin\r\nset TEXEDIT=emacsclient --alternate-editor=emacs +%d %s\r\n");
    EXPECT_TRUE(rig.files.fileExists("/docs/orvoset.sh"));
}

TEST_F(FirstRunTest, WritesTheDefaultEnvironmentAndAppliesIt) {
    rig.files.addFile("/usr/local/texlive/2023/texmf-dist/web2c/texmf.cnf");
    ASSERT_EQ(rig.start(), StartupOutcome::Ready);
    EXPECT_EQ(rig.written(kUserIni, {section::Environment, "MODE"}), "ljfour");
    EXPECT_EQ(rig.written(kUserIni, {section::Environment, "TEXMFCNF"}),
              "/home/u/texfiles/texmf/web2c:/usr/local/texlive/2023/texmf-dist/web2c:");
    EXPECT_EQ(rig.environment.variables["COMSPEC"], "/opt/orvo/orvocmd");
    EXPECT_EQ(rig.environment.variables["UTILSDIR"], kTexBin);
    EXPECT_NE(rig.files.readFile("/home/u/texfiles/ORVOSET.BAT").value_or("").find("\r\nset MODE=ljfour\r\n"),
              std::string::npos);
}

class StartupAutostartTest : public ::testing::Test {
protected:
    Rig rig;
    FakeProcessLauncher processes;
    FakeOtherWindows windows;
    FakeConsolePort console;
    Launcher launcher {rig.workbench, {processes, windows, rig.files, rig.ui, &console}};
    LauncherSessionJobs jobs {rig.workbench, launcher, console};

    StartupOutcome start(bool autostart, bool capture) {
        rig.sessionJobs = &jobs;
        rig.writeConfig(kUserIni, fullConfiguration() + Keys {{key::RunAutostartBatchfile, autostart ? "1" : "0"},
                                                              {key::RunDosWindow, capture ? "1" : "0"},
                                                              {key::FourDosProgram, "/opt/orvo/orvocmd"},
                                                              {key::FourDosOptions, "/c"}});
        return rig.start();
    }
};

TEST_F(StartupAutostartTest, WithoutCaptureTheScriptRunsAndIsWaitedFor) {
    ASSERT_EQ(start(true, false), StartupOutcome::Ready);
    ASSERT_EQ(processes.starts.size(), 1u);
    EXPECT_EQ(processes.starts[0].argv, (std::vector<std::string> {"/opt/orvo/orvocmd", "/c", "/opt/orvo/AUTOSTART.BTM",
                                                                    "paper.tex", "/docs/chap1.tex"}));
    EXPECT_FALSE(processes.starts[0].detached);
    EXPECT_EQ(processes.waits.size(), 1u);
    EXPECT_FALSE(rig.workbench.jobs.autostartPending);
}

TEST_F(StartupAutostartTest, WithCaptureOrSwitchedOffTheJobStaysPending) {
    for (auto [autostart, capture] : {std::pair {true, true}, std::pair {false, false}}) {
        ASSERT_EQ(start(autostart, capture), StartupOutcome::Ready);
        EXPECT_TRUE(processes.starts.empty());
        EXPECT_TRUE(console.calls.empty()) << "the console window runs it when it is created";
        EXPECT_TRUE(rig.workbench.jobs.autostartPending);
    }
}

// --- The console window ---------------------------------------------------

TEST(StartupConsoleTest, TheProgramEntryCreatesTheConsoleAndShowsItWhenAlwaysShown) {
    for (bool alwaysShow : {false, true}) {
        Rig rig;
        FakeConsolePort& console = rig.console;
        rig.workbench.AlwaysShowRedirectScreen = alwaysShow;
        Startup startup(rig.workbench, rig.view, rig.services(), rig.ports(), CommandLine {});
        startup.finishProgramEntry();
        std::vector<std::string> expected {"ensureCreated"};
        if (alwaysShow) expected.push_back("show");
        EXPECT_EQ(console.calls, expected);
    }
}

}  // namespace
}  // namespace orvo

// --- Editor profile --------------------------------------------------------

namespace orvo {
namespace {

TEST(StartupEditorTest, TheStoredEditorIsLoadedForTheLanguageWithItsEnvironment) {
    struct Case {
        const char* stored;  // "" when missing
        const char* language;
        const char* active;
        const char* field;
    };
    const Case cases[] = {
        {"", "US", "Editor:Emacs_US", "Emacs"},
        {"Editor:Kate", "DE", "Editor:Kate_DE", "Kate"},
        {"Editor:Geany", "DE", "Editor:Geany_US", "Geany"},
    };
    for (const Case& c : cases) {
        Rig rig;
        Keys keys = fullConfiguration() + Keys {{key::OrvoLanguage, c.language},
                                                {{"Editor:Kate_DE", "Editor"}, "kate-de"},
                                                {{"Editor:Geany_US", "Editor"}, "geany"},
                                                {{"Editor:Geany_US", "AutoSave"}, "4"}};
        if (*c.stored) keys.push_back({key::EditorSection, c.stored});
        rig.writeConfig(kUserIni, keys);
        rig.environment.variables["MFEDIT"] = "vi";
        ASSERT_EQ(rig.start(), StartupOutcome::Ready);
        EXPECT_EQ(rig.workbench.activeEditorSection, c.active) << c.stored;
        EXPECT_EQ(rig.view.choices[ChoiceField::Editor], c.field) << c.stored;
        EXPECT_EQ(rig.environment.variables["TEXEDIT"], rig.workbench.TeXEdit);
        EXPECT_EQ(rig.environment.variables["MFEDIT"], rig.workbench.TeXEdit);
        EXPECT_EQ(rig.environment.variables["EDITOR"], rig.workbench.editor.Editor);
    }
}

TEST_F(FirstRunTest, WritesAProfileForEveryEditorFoundAndMakesTheBestActive) {
    rig.files.addFile("/usr/bin/gedit");
    rig.files.addFile("/usr/bin/emacs");
    ASSERT_EQ(rig.start(), StartupOutcome::Ready);
    EXPECT_EQ(rig.written(kUserIni, {"Editor:gedit_US", "Editor"}), "/usr/bin/gedit");
    EXPECT_EQ(rig.written(kUserIni, {"Editor:Emacs_US", "DDEEditSaveCommand"}), "SaveAll");
    EXPECT_EQ(rig.written(kUserIni, key::EditorSection), "Editor:Emacs");
    EXPECT_EQ(rig.workbench.activeEditorSection, "Editor:Emacs_US");
    EXPECT_EQ(rig.view.choices[ChoiceField::Editor], "Emacs");
}

}  // namespace
}  // namespace orvo
