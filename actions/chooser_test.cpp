// The chooser dialog: each purpose's list, caption and icon, and where a
// choice goes.
#include "actions/chooser.h"

#include "core/main_window_shell.h"
#include "core/printer_option_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "actions/action_hints.h"
#include "core/utility_dialogs.h"
#include "core/workbench.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_actions.h"
#include "tests/fake_main_window_view.h"

namespace orvo {
namespace {

// The utilities dispatcher as the chooser reaches it: the values it is given.
class DispatchedValues : public NullUtilityDialogs {
public:
    explicit DispatchedValues(std::vector<std::string>& values) : values_(values) {}
    void dispatchUtility(const std::string& value) override { values_.push_back(value); }

private:
    std::vector<std::string>& values_;
};

class ChooserTest : public testing::Test {
protected:
    ChooserTest() {
        for (int i = 0; i < kMessageTextCount; ++i) w.messageTexts[i] = "entry " + std::to_string(i);
        w.messageTexts[7] = "List file missing or empty: $s";
        w.messageTexts[17] = "All files";
        w.messageTexts[31] = "Output files (*.";
        LanguageFiles& lists = w.languageFiles;
        lists = {"/l/US_FRM.LST", "/l/US_PRN.LST", "/l/US_PRD.LST", "/l/US_VIEW.LST",
                 "/l/US_BIBED.LST", "/l/US_SPELL.LST", "/l/US_UTILS.LST", "/l/US_PROJ.LST"};
        for (const std::string* path : {&lists.formats, &lists.printers, &lists.destinations, &lists.viewers,
                                        &lists.bibTeXEditors, &lists.spelling, &lists.utilities}) {
            files.addFile(*path, "  First  \n first-value \n Second display \n  second value  \n");
        }
        w.mainPath = "/docs/";
        w.MainFileName = "PAPER.TEX";
        w.PrinterPort = "lp";
        w.PrinterPortTXT = "Default printer";
        w.ScreenFont = "Tahoma";
        w.ScreenFontSize = 9;
        actionsView.hints[HintedButtons::Preview] = "Show DVI output using $s";
        actionsView.hints[HintedButtons::Print] = "Print DVI output using $s";
        hints.takeTemplates();
        w.printerSettings.switches[PrinterSwitch::OutputExtension] = "PS";
    }

    void choose(ChooserPurpose purpose, std::optional<int> answer) {
        chooserView.answers.push_back(answer);
        chooser.open(purpose, Chooser::captionEntry(purpose));
    }

    Workbench w;
    FakeMainWindowView view;
    FakeActionsView actionsView;
    ActionHints hints {w, actionsView};
    FakeChooserView chooserView;
    FakeFileSystem files;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    FakeJobActions jobs;
    std::vector<std::string> dispatched;
    DispatchedValues dialogs {dispatched};
    NullMainWindowShell shell;
    Chooser chooser {w, view, chooserView, hints, {files, ui, desktop, dialogs, shell, &jobs}};
};

TEST_F(ChooserTest, EachPurposeOffersItsListUnderItsCaptionAndStoresTheChoice) {
    struct Case {
        ChooserPurpose purpose;
        int caption;
        int icon;
        std::string Workbench::*value;
        std::string Workbench::*text;
        std::optional<ChoiceField> field;
    };
    const Case cases[] = {
        {ChooserPurpose::Format, 0, 9, &Workbench::FormatName, &Workbench::Format, ChoiceField::Format},
        {ChooserPurpose::SpellLanguage, 5, 4, &Workbench::SpellLanguage, &Workbench::SpellLanguageText,
         ChoiceField::SpellLanguage},
        {ChooserPurpose::PrinterType, 1, 8, &Workbench::Printer, &Workbench::PrinterTXT, ChoiceField::Printer},
        {ChooserPurpose::Previewer, 4, 10, &Workbench::Viewer, &Workbench::ViewerTXT, ChoiceField::Viewer},
        {ChooserPurpose::BibTeXEditor, 6, 5, &Workbench::BibTeXEditor, &Workbench::BibTeXEditorTXT,
         ChoiceField::BibTeXEditor},
        {ChooserPurpose::PrintDestination, 3, 11, &Workbench::PrinterPort, &Workbench::PrinterPortTXT,
         ChoiceField::PrinterPort},
    };
    for (const Case& c : cases) {
        choose(c.purpose, 1);
        const ChooserRequest& request = chooserView.requests.back();
        EXPECT_EQ(request.caption, "entry " + std::to_string(c.caption)) << int(c.purpose);
        EXPECT_EQ(request.icon, c.icon) << int(c.purpose);
        EXPECT_EQ(request.items, (std::vector<std::string> {"First", "Second display"})) << int(c.purpose);
        EXPECT_EQ(w.*c.value, "second value") << int(c.purpose);
        EXPECT_EQ(w.*c.text, "Second display") << int(c.purpose);
        EXPECT_EQ(view.choices[*c.field], "Second display") << int(c.purpose);
    }
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(jobs.calls, std::vector<std::string> {"redirectPrintDestination"});
    EXPECT_EQ(actionsView.hints[HintedButtons::Preview], "Show DVI output using Second display");
    EXPECT_EQ(actionsView.hints[HintedButtons::Print], "Print DVI output using Second display");
}

TEST_F(ChooserTest, TheFormatButtonHasItsOwnCaptionAndAUtilityIsDispatched) {
    chooserView.answers.push_back(0);
    chooser.open(ChooserPurpose::Format, 2);
    EXPECT_EQ(chooserView.requests.back().caption, "entry 2");
    choose(ChooserPurpose::Utility, 1);
    EXPECT_EQ(chooserView.requests.back().caption, "entry 15");
    EXPECT_EQ(chooserView.requests.back().icon, 3);
    EXPECT_EQ(dispatched, std::vector<std::string> {"second value"});
}

TEST_F(ChooserTest, AMissingOrEmptyListIsReportedAndTheEmptyChooserChoosesNothing) {
    files.files.erase("/l/US_FRM.LST");
    files.addFile("/l/US_VIEW.LST", "");
    w.FormatName = "latex";
    w.Viewer = "xdvi";
    view.onTop = true;
    choose(ChooserPurpose::Format, 0);
    choose(ChooserPurpose::Previewer, 0);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(ui.shown[0].text, "List file missing or empty: /l/US_FRM.LST");
    EXPECT_EQ(ui.shown[1].text, "List file missing or empty: /l/US_VIEW.LST");
    ASSERT_EQ(chooserView.requests.size(), 2u);
    EXPECT_TRUE(chooserView.requests[0].items.empty());
    EXPECT_EQ(w.FormatName, "latex");
    EXPECT_EQ(w.Viewer, "xdvi");
    EXPECT_TRUE(view.onTop);
}

TEST_F(ChooserTest, ClosingWithoutAChoiceChangesNothing) {
    w.Printer = "dvips";
    w.PrinterOptions = "-t a4";
    choose(ChooserPurpose::PrinterType, std::nullopt);
    EXPECT_EQ(w.Printer, "dvips");
    EXPECT_EQ(w.PrinterOptions, "-t a4");
    EXPECT_TRUE(jobs.calls.empty());
}

TEST_F(ChooserTest, ANewPrinterTypeEmptiesThePrinterOptionsAndReadsItsOptionFile) {
    w.OrvoSelectionsOptionsDir = "/opts/";
    files.addFile("/l/US_PRN.LST", "LaserJet 4\ndvilj4\n");
    files.addFile("/opts/DVILJ4.OPT", "OUTPUTEXTENSION=lj\n");
    w.PrinterOptions = "-t a4";
    view.choices[ChoiceField::PrinterOptions] = "-t a4";
    choose(ChooserPurpose::PrinterType, 0);
    EXPECT_EQ(w.Printer, "dvilj4");
    EXPECT_EQ(w.PrinterOptions, "");
    EXPECT_EQ(view.choices[ChoiceField::PrinterOptions], "");
    EXPECT_EQ(w.printerSettings.switches[PrinterSwitch::OutputExtension], "lj");
}

TEST_F(ChooserTest, PrintingIntoAFileAsksForTheFileNamedAfterTheMainFile) {
    files.addFile("/l/US_PRD.LST", "Printer\nlp\nInto a file\nFILE\n");
    w.portScript = "/opt/PRNNET.BAT";
    ui.chosenFiles.push_back("/docs/out/PAPER.PS");
    choose(ChooserPurpose::PrintDestination, 1);
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    const FileDialogRequest& dialog = ui.fileDialogs[0];
    EXPECT_EQ(dialog.kind, FileDialogKind::Save);
    EXPECT_EQ(dialog.fileName, "PAPER.PS");
    EXPECT_EQ(dialog.startFolder, "/docs/");
    EXPECT_EQ(dialog.title, "entry 30");
    EXPECT_EQ(dialog.filter, "Output files (*.PS)|*.PS|All files|*.*");
    EXPECT_EQ(w.PrinterPort, "/docs/out/PAPER.PS");
    EXPECT_EQ(w.PrinterPortTXT, "/docs/out/PAPER.PS");
    EXPECT_EQ(view.choices[ChoiceField::PrinterPort], "/docs/out/PAPER.PS");
    EXPECT_EQ(w.portScript, "");
    EXPECT_TRUE(jobs.calls.empty());

    choose(ChooserPurpose::PrintDestination, 1);  // the file dialog is cancelled
    EXPECT_EQ(w.PrinterPort, "/docs/out/PAPER.PS");
    EXPECT_EQ(w.PrinterPortTXT, "/docs/out/PAPER.PS");
}

TEST_F(ChooserTest, PrintingIntoAFileWithoutAnOutputExtensionOffersAllFiles) {
    files.addFile("/l/US_PRD.LST", "Into a file\nfile\n");
    w.printerSettings.switches[PrinterSwitch::OutputExtension].clear();
    choose(ChooserPurpose::PrintDestination, 0);
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].fileName, "PAPER");
    EXPECT_EQ(ui.fileDialogs[0].filter, "All files|*.*");
    EXPECT_EQ(w.PrinterPort, "lp");
    EXPECT_EQ(w.PrinterPortTXT, "Default printer");
}

TEST_F(ChooserTest, OpensAtTheRecordedPlaceOnTheScreenAndKeepsItsSizeRatio) {
    w.XScreenPos = 1500;
    w.YScreenPos = 40;
    w.screenFactors[1] = {0.5, 0.5};
    chooserView.closedSize = std::make_pair(912, 357);
    choose(ChooserPurpose::Format, std::nullopt);
    const ChooserRequest& request = chooserView.requests.back();
    EXPECT_EQ(request.width, 456);  // half its designed share of a 1600 by 1200 screen
    EXPECT_EQ(request.height, 357);
    EXPECT_EQ(request.x, 1600 - 456);
    EXPECT_EQ(request.y, 40);
    EXPECT_EQ(request.fontFamily, "Tahoma");
    EXPECT_EQ(request.fontSize, 9);
    EXPECT_DOUBLE_EQ(w.screenFactors[1].x, 1.0);
    EXPECT_DOUBLE_EQ(w.screenFactors[1].y, 0.5);
}

TEST_F(ChooserTest, ADamagedSizeRatioStillGivesAWindowOnTheScreen) {
    for (double factor : {1e300, -1e300, std::nan(""), 0.0}) {
        w.screenFactors[1] = {factor, factor};
        choose(ChooserPurpose::Format, std::nullopt);
        const ChooserRequest& request = chooserView.requests.back();
        EXPECT_GE(request.width, 1) << factor;
        EXPECT_LE(request.width, 1600) << factor;
        EXPECT_GE(request.height, 1) << factor;
        EXPECT_LE(request.height, 1200) << factor;
    }
}

}  // namespace
}  // namespace orvo
