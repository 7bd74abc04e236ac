// The main window's controls: which job, chooser, menu or hook each mouse
// role starts, the compile-busy rule and the program options.
#include "actions/main_window_logic.h"

#include <gtest/gtest.h>

#include "core/main_window_shell.h"
#include "core/workbench.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_actions.h"
#include "tests/fake_main_window_view.h"
#include "tests/recording_ports.h"

namespace orvo {
namespace {

class MainWindowLogicTest : public testing::Test {
protected:
    MainWindowLogicTest() {
        w.mainPath = "/docs/";
        w.MainFileName = "paper.tex";
        w.mainHistory = {"/old/x.tex", "/docs/paper.tex", "/old/z.tex"};
        w.languageFiles.viewers = "/l/US_VIEW.LST";
        w.languageFiles.spelling = "/l/US_SPELL.LST";
        files.addFile("/l/US_VIEW.LST", "xdvi\nxdvi\n");
        files.addFile("/l/US_SPELL.LST", "English\nen\n");
        files.addFile("/docs/paper.tex");
        view.window = {30, 40, 481, 240, false};
        hooks();
    }

    void hooks() {
        logic.hooks.edit = [this] { started.push_back("edit"); };
        logic.hooks.spellCheck = [this] { started.push_back("spellCheck"); };
        logic.hooks.showConsole = [this] { started.push_back("showConsole"); };
        logic.hooks.chooseEditor = [this] { started.push_back("chooseEditor"); };
    }

    Workbench w;
    FakeMainWindowView view;
    FakeActionsView actionsView;
    FakeChooserView chooserView;
    FakeFileSystem files;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    FakeJobActions jobs;
    std::vector<std::string> started;
    StartedUtilityDialogs dialogs {started};
    NullMainWindowShell shell;
    MainWindowLogic logic {w, view, actionsView, chooserView, {files, ui, desktop, dialogs, shell, &jobs}};
};

TEST_F(MainWindowLogicTest, EachButtonRunsItsActionOrItsAlternative) {
    struct Case {
        MainControl control;
        ButtonRole role;
        std::vector<std::string> jobs;     // JobActions calls
        std::vector<std::string> started;  // hooks
        std::size_t choosers;              // chooser openings
        std::size_t menus;                 // pop-up menus
        std::size_t fileDialogs;
    };
    using A = ButtonRole;
    const Case cases[] = {
        {MainControl::Compile, A::Action, {"compile"}, {}, 0, 0, 0},
        {MainControl::Compile, A::Alternative, {"blockCompile"}, {}, 0, 0, 0},
        {MainControl::Preview, A::Action, {"preview"}, {}, 0, 0, 0},
        {MainControl::Preview, A::Alternative, {}, {}, 1, 0, 0},
        {MainControl::Print, A::Action, {"print"}, {}, 0, 0, 0},
        {MainControl::Print, A::Alternative, {}, {"printerOptions"}, 0, 0, 0},
        {MainControl::LogFile, A::Action, {"openLogFile"}, {}, 0, 0, 0},
        {MainControl::LogFile, A::Alternative, {}, {"showConsole"}, 0, 0, 0},
        {MainControl::Edit, A::Action, {}, {"edit"}, 0, 0, 0},
        {MainControl::Edit, A::Alternative, {}, {}, 0, 1, 0},
        {MainControl::SpellCheck, A::Action, {}, {"spellCheck"}, 0, 0, 0},
        {MainControl::SpellCheck, A::Alternative, {}, {}, 1, 0, 0},
        {MainControl::MainFile, A::Action, {}, {}, 0, 0, 1},
        {MainControl::MainFile, A::Alternative, {}, {}, 0, 1, 0},
        {MainControl::CurrentFile, A::Action, {}, {}, 0, 0, 1},
        {MainControl::Previewer, A::Action, {}, {}, 1, 0, 0},
        {MainControl::Previewer, A::Alternative, {}, {}, 0, 0, 0},
        {MainControl::Editor, A::Action, {}, {"chooseEditor"}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        jobs.calls.clear();
        started.clear();
        chooserView.requests.clear();
        actionsView.menus.clear();
        ui.fileDialogs.clear();
        w.jobs.compileBusy = false;
        w.mainPath = "/docs/";
        w.MainFileName = "paper.tex";
        logic.activate(c.control, c.role, {});
        std::string name = std::to_string(int(c.control)) + "/" + std::to_string(int(c.role));
        EXPECT_EQ(jobs.calls, c.jobs) << name;
        EXPECT_EQ(started, c.started) << name;
        EXPECT_EQ(chooserView.requests.size(), c.choosers) << name;
        EXPECT_EQ(actionsView.menus.size(), c.menus) << name;
        EXPECT_EQ(ui.fileDialogs.size(), c.fileDialogs) << name;
    }
}

TEST_F(MainWindowLogicTest, TheRightButtonOpensTheRightChooser) {
    logic.activate(MainControl::Preview, ButtonRole::Alternative, {});
    logic.activate(MainControl::SpellCheck, ButtonRole::Alternative, {});
    ASSERT_EQ(chooserView.requests.size(), 2u);
    EXPECT_EQ(chooserView.requests[0].items, std::vector<std::string> {"xdvi"});
    EXPECT_EQ(chooserView.requests[1].items, std::vector<std::string> {"English"});
}

TEST_F(MainWindowLogicTest, ACompileIsRefusedWhileOneRunsAndSetsTheBusyFlag) {
    logic.activate(MainControl::Compile, ButtonRole::Action, {});
    EXPECT_TRUE(w.jobs.compileBusy);
    logic.activate(MainControl::Compile, ButtonRole::Action, {});
    logic.activate(MainControl::Compile, ButtonRole::Alternative, {});
    EXPECT_EQ(jobs.calls, std::vector<std::string> {"compile"});
}

TEST_F(MainWindowLogicTest, JobsRecordTheWindowPositionFirst) {
    logic.activate(MainControl::Preview, ButtonRole::Action, {});
    EXPECT_EQ(w.XScreenPos, 30);
    EXPECT_EQ(w.YScreenPos, 40);
}

TEST_F(MainWindowLogicTest, WithoutJobsTheJobButtonsDoNothing) {
    MainWindowLogic bare {w, view, actionsView, chooserView, {files, ui, desktop, dialogs, shell, nullptr}};
    for (MainControl control : {MainControl::Compile, MainControl::Preview, MainControl::Print, MainControl::LogFile})
        bare.activate(control, ButtonRole::Action, {});
    bare.activate(MainControl::Compile, ButtonRole::Alternative, {});
    EXPECT_FALSE(w.jobs.compileBusy);
    EXPECT_EQ(w.XScreenPos, 0);
}

TEST_F(MainWindowLogicTest, TheEditButtonsHistoryMenuOpensWhereAskedAndSwitchesTheMainFile) {
    actionsView.menuAnswers.push_back(1);
    logic.activate(MainControl::Edit, ButtonRole::Alternative, {120, 340});
    ASSERT_EQ(actionsView.menus.size(), 1u);
    EXPECT_EQ(actionsView.menus[0].items, (std::vector<std::string> {"/old/x.tex", "/old/z.tex"}));
    EXPECT_EQ(actionsView.menus[0].at.x, 120);
    EXPECT_EQ(actionsView.menus[0].at.y, 340);
    EXPECT_EQ(w.mainPath, "/old/");
    EXPECT_EQ(w.MainFileName, "z.tex");
    EXPECT_EQ(view.mainFile, "/old/z.tex");
}

TEST_F(MainWindowLogicTest, AnEmptyHistoryShowsNoMenu) {
    w.mainHistory = {};
    logic.activate(MainControl::MainFile, ButtonRole::Alternative, {});
    EXPECT_TRUE(actionsView.menus.empty());
    EXPECT_EQ(w.mainHistory[0], "/docs/paper.tex");
}

TEST_F(MainWindowLogicTest, UtilitiesGoToTheDispatcher) {
    logic.chooseUtility("&bibtex");
    EXPECT_EQ(started, std::vector<std::string> {"utility &bibtex"});
}

TEST_F(MainWindowLogicTest, AUtilityWorksOnTheSavedDocumentInItsFolder) {
    logic.hooks.saveBeforeJob = [this] { started.push_back("save"); };
    files.addDirectory("/docs/");
    view.window = {70, 80, 481, 240, false};
    logic.chooseUtility("MAKEIDX.BTM &mainfile");
    EXPECT_EQ(started, (std::vector<std::string> {"save", "utility MAKEIDX.BTM &mainfile"}));
    EXPECT_TRUE(files.fileExists("/docs/paper.ORVOPAR")) << "the document's parameters written first";
    EXPECT_EQ(files.currentDirectory(), "/docs/");
    EXPECT_EQ(w.XScreenPos, 70);
    EXPECT_EQ(w.YScreenPos, 80);
    started.clear();
    logic.chooseUtility("");
    EXPECT_TRUE(started.empty()) << "no entry selected";
}

TEST_F(MainWindowLogicTest, PagesSetTheirHelpContexts) {
    logic.pageChanged(MainPage::Output);
    EXPECT_EQ(view.last("setHelpContext"), "setHelpContext 300");
    logic.pageChanged(MainPage::Options);
    EXPECT_EQ(view.last("setHelpContext"), "setHelpContext 500");
}

TEST_F(MainWindowLogicTest, ProgramOptionsTakeEffectAtOnce) {
    logic.setOption(ProgramOption::StayOnTop, true);
    EXPECT_TRUE(w.StayOnTop);
    EXPECT_TRUE(view.onTop);
    logic.setOption(ProgramOption::GrabConsoleOutput, false);
    EXPECT_FALSE(w.RunDosWindow);
    logic.setOption(ProgramOption::ReplaceVirtualFonts, true);
    EXPECT_TRUE(w.AlwaysDevirtualize);
    EXPECT_TRUE(logic.option(ProgramOption::ReplaceVirtualFonts));
    EXPECT_FALSE(logic.option(ProgramOption::GrabConsoleOutput));
}

TEST_F(MainWindowLogicTest, ALanguageChangeTakesNewTemplatesAndKeepsOldOnesWithoutPlaceholder) {
    w.ViewerTXT = "xdvi";
    w.PrinterTXT = "dvips";
    actionsView.hints[HintedButtons::Preview] = "Zeige DVI mit $s";
    actionsView.hints[HintedButtons::Print] = "Drucke mit $s";
    logic.languageChanged();
    EXPECT_EQ(actionsView.hints[HintedButtons::Preview], "Zeige DVI mit xdvi");
    EXPECT_EQ(actionsView.hints[HintedButtons::Print], "Drucke mit dvips");
    actionsView.hints[HintedButtons::Print] = "Drucken";
    w.PrinterTXT = "dvilj4";
    logic.languageChanged();
    EXPECT_EQ(actionsView.hints[HintedButtons::Print], "Drucke mit dvilj4");
}

}  // namespace
}  // namespace orvo
