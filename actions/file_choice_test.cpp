// Choosing the main file and the current file: the parameter-file switch,
// the environment batch file, the histories and dropped files.
#include "actions/file_choice.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "actions/action_hints.h"
#include "core/parameter_file.h"
#include "core/workbench.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_actions.h"
#include "tests/fake_main_window_view.h"
#include "tests/recording_ports.h"

namespace orvo {
namespace {

class FileChoiceTest : public testing::Test {
protected:
    FileChoiceTest() {
        w.iniDir = "/cfg/";
        w.iniName = "ORVO.INI";
        w.messageTexts[16] = "Main TeX files";
        w.messageTexts[17] = "All files";
        w.messageTexts[18] = "TeX files";
        w.messageTexts[27] = "Choose Main TeX file";
        w.messageTexts[28] = "Choose current file";
        w.mainPath = "/docs/a/";
        w.MainFileName = "paper.tex";
        w.CurrentFileName = "/docs/a/chap1.tex";
        w.FormatName = "latex";
        w.Format = "LaTeX";
        w.ViewerTXT = "xdvi";
        files.addFile("/docs/a/paper.tex");
        files.addFile("/docs/a/chap1.tex");
        files.addFile("/docs/a/ORVOSET.BAT", "old");
        files.addFile("/docs/b/new.tex");
        files.addFile("/docs/b/other.tex");
        files.current = "/docs/a";
        actionsView.hints[HintedButtons::Preview] = "Show DVI output using $s";
        hints.takeTemplates();
    }

    // A parameter file for `mainFile` naming `format` and `portScript`.
    void addParameterFile(const std::string& mainFile, const std::string& format, const std::string& current,
                          const std::string& portScript = {}) {
        Workbench values = w;
        values.FormatName = format;
        values.Format = format;
        values.portScript = portScript;
        values.PrinterPort = portScript.empty() ? "lp" : "lp2";
        files.addFile(parameterFilePath(folderOf(mainFile), fileNameOf(mainFile)),
                      parameterFileText(values, current));
    }
    static std::string folderOf(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }
    static std::string fileNameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }
    std::string written(const std::string& path) const {
        auto it = files.files.find(path);
        return it == files.files.end() ? std::string("<none>") : it->second;
    }

    Workbench w;
    FakeMainWindowView view;
    FakeActionsView actionsView;
    ActionHints hints {w, actionsView};
    FakeFileSystem files;
    FakeUserInteraction ui;
    FakeJobActions jobs;
    RecordingMainWindowShell shell;
    FileChoice choice {w, view, hints, {files, ui, shell, &jobs}};
};

TEST_F(FileChoiceTest, ANewMainFileSavesTheOldDocumentAndTakesTheNewOnesChoices) {
    addParameterFile("/docs/b/new.tex", "pdflatex", "/docs/b/intro.tex");
    w.jobs.compileBusy = true;
    ui.chosenFiles.push_back("/docs/b/new.tex");
    choice.chooseMainFile();

    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    const FileDialogRequest& dialog = ui.fileDialogs[0];
    EXPECT_EQ(dialog.kind, FileDialogKind::Open);
    EXPECT_EQ(dialog.title, "Choose Main TeX file");
    EXPECT_EQ(dialog.startFolder, "/docs/a/");
    EXPECT_EQ(dialog.fileName, "");
    EXPECT_EQ(dialog.defaultExtension, "TEX");
    EXPECT_EQ(dialog.filter, "Main TeX files (*.TEX)|*.TEX|All files|*.*");

    std::string old = written("/docs/a/paper.ORVOPAR");
    EXPECT_NE(old.find("currentfilename=/docs/a/chap1.tex\r\n"), std::string::npos) << old;
    EXPECT_NE(old.find("format=LaTeX\r\n"), std::string::npos) << old;

    EXPECT_EQ(w.mainPath, "/docs/b/");
    EXPECT_EQ(w.MainFileName, "new.tex");
    EXPECT_EQ(view.mainFile, "/docs/b/new.tex");
    EXPECT_EQ(w.Format, "pdflatex");
    EXPECT_EQ(view.choices[ChoiceField::Format], "pdflatex");
    EXPECT_EQ(w.CurrentFileName, "/docs/b/intro.tex");
    EXPECT_EQ(w.dviFileName, "/docs/b/new.DVI");
    EXPECT_EQ(w.mainHistory[0], "/docs/a/paper.tex");
    EXPECT_EQ(w.mainHistory[1], "");
    EXPECT_FALSE(w.jobs.compileBusy);
    EXPECT_TRUE(jobs.calls.empty());
    // ORVOSET.BAT was deleted and written anew in the current folder.
    EXPECT_NE(written("/docs/a/ORVOSET.BAT"), "old");
    EXPECT_NE(written("/docs/a/ORVOSET.BAT"), "<none>");
    EXPECT_NE(written("/docs/a/orvoset.sh"), "<none>");
    EXPECT_EQ(actionsView.hints[HintedButtons::Preview], "Show DVI output using xdvi");
}

TEST_F(FileChoiceTest, ADocumentWithoutParameterFileKeepsThePreviousChoices) {
    ui.chosenFiles.push_back("/docs/b/new.tex");
    choice.chooseMainFile();
    EXPECT_EQ(w.MainFileName, "new.tex");
    EXPECT_EQ(w.FormatName, "latex");
    EXPECT_EQ(w.Format, "LaTeX");
    EXPECT_EQ(w.CurrentFileName, "");
    EXPECT_EQ(view.currentFile, "");
}

TEST_F(FileChoiceTest, AnotherPortScriptRunsTheRedirectionOnce) {
    addParameterFile("/docs/b/new.tex", "latex", "", "/opt/orvo/PRNNET.BAT");
    ui.chosenFiles.push_back("/docs/b/new.tex");
    choice.chooseMainFile();
    EXPECT_EQ(w.portScript, "/opt/orvo/PRNNET.BAT");
    EXPECT_EQ(jobs.calls, std::vector<std::string> {"redirectPrintDestination"});
}

TEST_F(FileChoiceTest, CancellingTheMainFileDialogKeepsBothFilesButNotTheBatchFile) {
    choice.chooseMainFile();
    EXPECT_EQ(w.mainPath, "/docs/a/");
    EXPECT_EQ(w.MainFileName, "paper.tex");
    EXPECT_EQ(w.CurrentFileName, "/docs/a/chap1.tex");
    EXPECT_EQ(view.mainFile, "/docs/a/paper.tex");
    EXPECT_EQ(view.currentFile, "/docs/a/chap1.tex");
    EXPECT_EQ(written("/docs/a/ORVOSET.BAT"), "<none>");
    EXPECT_EQ(w.mainHistory[0], "");
    EXPECT_NE(written("/docs/a/paper.ORVOPAR"), "<none>");
}

TEST_F(FileChoiceTest, TheStayOnTopStyleIsDroppedAroundTheDialogAndRestored) {
    view.onTop = true;
    choice.chooseMainFile();
    EXPECT_EQ(view.count("setStayOnTop 0"), 1);
    EXPECT_EQ(view.last("setStayOnTop"), "setStayOnTop 1");
    EXPECT_TRUE(view.onTop);
}

TEST_F(FileChoiceTest, AFileDialogLaysTheTabbedWindowOutAnewButNotTheSpeedbar) {
    using Calls = std::vector<std::string>;
    choice.chooseMainFile();
    choice.chooseCurrentFile();
    EXPECT_EQ(shell.calls, (Calls {"reapplyLayout", "reapplyLayout"}));

    shell.calls.clear();
    view.setSpeedbarMode(true, false);
    choice.chooseMainFile();
    choice.chooseCurrentFile();
    EXPECT_EQ(shell.calls, Calls {}) << "the speedbar has no tabbed window to lay out";
}

TEST_F(FileChoiceTest, TheCurrentFileDialogStartsInTheCurrentFilesFolderAndCancelLeavesNone) {
    ui.chosenFiles.push_back("/docs/b/other.tex");
    choice.chooseCurrentFile();
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].startFolder, "/docs/a/");
    EXPECT_EQ(ui.fileDialogs[0].title, "Choose current file");
    EXPECT_EQ(ui.fileDialogs[0].filter, "TeX files (*.TEX)|*.TEX|All files (*.*)|*.*");
    EXPECT_EQ(w.CurrentFileName, "/docs/b/other.tex");
    EXPECT_EQ(view.currentFile, "/docs/b/other.tex");
    EXPECT_EQ(w.currentHistory[0], "/docs/a/chap1.tex");

    choice.chooseCurrentFile();  // cancelled
    EXPECT_EQ(ui.fileDialogs[1].startFolder, "/docs/b/");
    EXPECT_EQ(w.CurrentFileName, "");
    EXPECT_EQ(view.currentFile, "");

    choice.chooseCurrentFile();  // no current file: the main folder
    EXPECT_EQ(ui.fileDialogs[2].startFolder, "/docs/a/");
}

TEST_F(FileChoiceTest, TheMainHistoryMenuSwitchesDocumentsAndLeavesFolderAndBatchFileAlone) {
    w.mainHistory = {"/docs/b/new.tex", "/docs/a/paper.tex", "/docs/b/other.tex"};
    addParameterFile("/docs/b/new.tex", "context", "/docs/b/part.tex");
    w.jobs.compileBusy = true;

    std::vector<std::string> entries = choice.openMainHistory();
    EXPECT_EQ(w.mainHistory[0], "/docs/a/paper.tex");
    EXPECT_EQ(w.mainHistory[1], "/docs/b/new.tex");
    EXPECT_EQ(entries, (std::vector<std::string> {"/docs/b/new.tex", "/docs/b/other.tex"}));

    choice.takeMainFile(entries[0]);
    EXPECT_NE(written("/docs/a/paper.ORVOPAR").find("currentfilename=/docs/a/chap1.tex"), std::string::npos);
    EXPECT_EQ(w.MainFileName, "new.tex");
    EXPECT_EQ(w.Format, "context");
    EXPECT_EQ(w.CurrentFileName, "/docs/b/part.tex");
    EXPECT_EQ(w.dviFileName, "/docs/b/new.DVI");
    EXPECT_EQ(written("/docs/a/ORVOSET.BAT"), "old");
    EXPECT_EQ(files.current, "/docs/a");
    EXPECT_TRUE(w.jobs.compileBusy);
    EXPECT_TRUE(ui.fileDialogs.empty());
}

TEST_F(FileChoiceTest, TheCurrentHistoryMenuOnlySetsTheCurrentFile) {
    w.currentHistory = {"/docs/b/x.tex"};
    std::vector<std::string> entries = choice.openCurrentHistory();
    EXPECT_EQ(entries, std::vector<std::string> {"/docs/b/x.tex"});
    EXPECT_EQ(w.currentHistory[0], "/docs/a/chap1.tex");
    choice.takeCurrentFile(entries[0]);
    EXPECT_EQ(w.CurrentFileName, "/docs/b/x.tex");
    EXPECT_EQ(view.currentFile, "/docs/b/x.tex");
    EXPECT_EQ(w.MainFileName, "paper.tex");
    EXPECT_EQ(written("/docs/a/paper.ORVOPAR"), "<none>");
}

TEST_F(FileChoiceTest, ADropTakesTheFirstFileAndLeavesTheBatchFileAlone) {
    addParameterFile("/docs/b/new.tex", "pdflatex", "");
    w.jobs.compileBusy = true;
    choice.drop({"/docs/b/new.tex", "/docs/b/other.tex", "/docs/a/chap1.tex"});
    EXPECT_EQ(w.mainPath, "/docs/b/");
    EXPECT_EQ(w.MainFileName, "new.tex");
    EXPECT_EQ(w.Format, "pdflatex");
    EXPECT_EQ(w.mainHistory[0], "/docs/a/paper.tex");
    EXPECT_EQ(w.mainHistory[1], "");
    EXPECT_FALSE(w.jobs.compileBusy);
    EXPECT_EQ(written("/docs/a/ORVOSET.BAT"), "old");
    EXPECT_NE(written("/docs/a/paper.ORVOPAR"), "<none>");
    EXPECT_EQ(w.dviFileName, "/docs/b/new.DVI");
}

TEST_F(FileChoiceTest, ANameWithALineBreakIsRefusedAndTheDocumentStays) {
    for (const char* name : {"/docs/b/two\nlines.tex", "/docs/b/cr\r.tex"}) {
        SCOPED_TRACE(name);
        files.addFile(name);
        ui.shown.clear();
        ui.chosenFiles.push_back(name);
        choice.chooseMainFile();
        choice.drop({name});
        ui.chosenFiles.push_back(name);
        choice.chooseCurrentFile();
        EXPECT_EQ(w.mainPath + w.MainFileName, "/docs/a/paper.tex");
        EXPECT_EQ(w.CurrentFileName, "") << "refused as if cancelled";
        ASSERT_EQ(ui.shown.size(), 3u);
        for (const Message& message : ui.shown) {
            EXPECT_EQ(message.kind, MessageKind::Warning);
            EXPECT_NE(message.text.find(name), std::string::npos);
        }
        EXPECT_EQ(std::count(w.mainHistory.begin(), w.mainHistory.end(), std::string(name)), 0);
    }
}

TEST_F(FileChoiceTest, ADroppedFolderOrNothingChangesNothing) {
    files.addDirectory("/docs/c");
    for (const std::vector<std::string>& paths : {std::vector<std::string> {"/docs/c"}, std::vector<std::string> {}}) {
        choice.drop(paths);
        EXPECT_EQ(w.MainFileName, "paper.tex");
        EXPECT_EQ(written("/docs/a/paper.ORVOPAR"), "<none>");
    }
}

// Every way to another main file leaves the scratch files of the old
// folder behind no more; the current folder keeps its batch file.
TEST_F(FileChoiceTest, TheWorkFilesOfTheFolderLeftGo) {
    enum class Way { Dialog, History, Drop };
    for (Way way : {Way::Dialog, Way::History, Way::Drop}) {
        SCOPED_TRACE(int(way));
        w.mainPath = "/docs/a/";
        w.MainFileName = "paper.tex";
        for (const char* path : {"/docs/a/_DUMP_.TEX", "/docs/a/_DUMP_.SET", "/docs/a/ORVOSET.BAT"}) {
            files.addFile(path, "x");
            w.workFiles.written(path);
        }
        switch (way) {
            case Way::Dialog:
                ui.chosenFiles.push_back("/docs/b/new.tex");
                choice.chooseMainFile();
                break;
            case Way::History: choice.takeMainFile("/docs/b/new.tex"); break;
            case Way::Drop: choice.drop({"/docs/b/new.tex"}); break;
        }
        EXPECT_FALSE(files.fileExists("/docs/a/_DUMP_.TEX"));
        EXPECT_FALSE(files.fileExists("/docs/a/_DUMP_.SET"));
        EXPECT_TRUE(files.fileExists("/docs/a/ORVOSET.BAT"));
        EXPECT_TRUE(files.fileExists("/docs/a/paper.tex"));
    }
}

}  // namespace
}  // namespace orvo
