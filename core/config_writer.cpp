#include "core/config_writer.h"

#include "core/project_marks.h"

#include "core/config_defaults.h"
#include "core/config_file.h"
#include "core/config_section_writer.h"
#include "core/port_script.h"
#include "core/workbench.h"

namespace orvo {
namespace {

void writeSystem(const Workbench& w, ConfigFile& c) {
    c.setText(key::Web2cDir, w.Web2cDir);
    c.setText(key::Web2cBINDir, w.Web2cBINDir);
    c.setText(key::MainExtension, w.MainExtension);
    c.setText(key::CurrentExtension, w.CurrentExtension);
    c.setText(key::FourDosProgram, w.FourDosProgram);
    c.setText(key::FourDosOptions, w.FourDosOptions);
    c.setText(key::OrvoBTMDir, w.OrvoBTMDir);
    c.setText(key::OrvoSelectionsOptionsDir, w.OrvoSelectionsOptionsDir);
    c.setText(key::SpellChecker, w.SpellChecker);
    c.setText(key::LaTeXMac, w.LaTeXMac);
    c.setText(key::GSView, w.GSView);
    c.setFlag(key::ShowINIErrors, w.ShowINIErrors);
}

void writeChoices(const Workbench& w, ConfigFile& c) {
    c.setText(key::OrvoLanguage, w.OrvoLanguage);
    c.setText(key::OwnTeXTreeDir, w.OwnTeXTreeDir);
    c.setText(key::MainFileName, w.mainPath + w.MainFileName);
    c.setText(key::CurrentFileName, w.CurrentFileName);
    c.setText(key::Format, w.Format);
    c.setText(key::FormatName, w.FormatName);
    c.setText(key::Viewer, w.Viewer);
    c.setText(key::ViewerTXT, w.ViewerTXT);
    c.setText(key::Printer, w.Printer);
    c.setText(key::PrinterOptions, w.PrinterOptions);
    c.setText(key::PrinterPort, w.PrinterPort);
    c.setText(key::PrinterTXT, w.PrinterTXT);
    c.setText(key::PrinterPortTXT, encodePortText(w.portScript, w.PrinterPortTXT));
    c.setText(key::BitmapViewer, w.BitmapViewer);
    c.setText(key::GraphicsConverter, w.GraphicsConverter);
    c.setText(key::BibTeXFile, w.bibTeXPath + w.BibTeXFile);
    c.setText(key::BibTeXEditor, w.BibTeXEditor);
    c.setText(key::BibTeXEditorTXT, w.BibTeXEditorTXT);
    c.setText(key::SpellLanguage, w.SpellLanguage);
    c.setText(key::SpellLanguageText, w.SpellLanguageText);
    c.setText(key::KillProcesses, w.KillProcesses);
    c.setText(key::BlockMarker, w.BlockMarker);
    c.setText(key::EndBlockMarker, w.EndBlockMarker);
    c.setText(key::ManualPageDir, w.ManualPageDir);
    c.setText(key::HelpFilesDir, w.HelpFilesDir);
    c.setText(key::CleanupFiles, w.CleanupFiles);
    c.setText(key::EditorSection, w.activeEditorSection.substr(0, w.activeEditorSection.find('_')));
}

void writeFlagsAndFonts(const Workbench& w, ConfigFile& c) {
    c.setText(key::DelFiles, w.DelFiles);
    c.setFlag(key::ShowOnTaskTray, w.ShowOnTaskTray);
    c.setFlag(key::ShowOnTaskBar, w.ShowOnTaskBar);
    c.setFlag(key::RunDosWindow, w.RunDosWindow);
    c.setFlag(key::CompileUseBTM, w.CompileUseBTM);
    c.setFlag(key::QuitUseBTM, w.QuitUseBTM);
    c.setText(key::ScreenFont, w.ScreenFont);
    c.setText(key::SpeedbarFont, w.SpeedbarFont);
    c.setText(key::RedirectFont, w.RedirectFont);
    c.setInteger(key::ScreenFontSize, w.ScreenFontSize);
    c.setInteger(key::SpeedbarFontSize, w.SpeedbarFontSize);
    c.setInteger(key::RedirectFontSize, w.RedirectFontSize);
    c.setFlag(key::ScaleFonts, w.ScaleFonts);
    c.setFlag(key::SpeedbarImages, w.SpeedbarImages);
    c.setFlag(key::AlwaysShowRedirectScreen, w.AlwaysShowRedirectScreen);
    c.setFlag(key::UseCompiledHTML, w.UseCompiledHTML);
}

// A window dragged partly off the screen is saved where it is fully visible
// again; left and top never go below 0.
void clampMainWindowPosition(Workbench& w, const ConfigWriteContext& context) {
    int width = context.window ? context.window->width : 0;
    int height = context.window ? context.window->height : 0;
    if (w.XScreenPos < 0) w.XScreenPos = 0;
    if (w.YScreenPos < 0) w.YScreenPos = 0;
    if (w.XScreenPos + width > context.screen.width) w.XScreenPos = context.screen.width - width;
    if (w.YScreenPos + height > context.screen.height) w.YScreenPos = context.screen.height - height;
    // A window larger than the screen keeps its top-left corner on the screen.
    if (w.XScreenPos < 0) w.XScreenPos = 0;
    if (w.YScreenPos < 0) w.YScreenPos = 0;
}

void writeWindowKeys(Workbench& w, ConfigFile& c, const ConfigWriteContext& context) {
    clampMainWindowPosition(w, context);
    c.setInteger(key::XScreenPos, w.XScreenPos);
    c.setInteger(key::YScreenPos, w.YScreenPos);
    for (int* position : {&w.XScreenPosSpeedbar, &w.YScreenPosSpeedbar, &w.RedirectXScreenPos, &w.RedirectYScreenPos}) {
        if (*position < 0) *position = 0;
    }
    c.setInteger(key::XScreenPosSpeedbar, w.XScreenPosSpeedbar);
    c.setInteger(key::YScreenPosSpeedbar, w.YScreenPosSpeedbar);
    c.setInteger(key::RedirectXScreenPos, w.RedirectXScreenPos);
    c.setInteger(key::RedirectYScreenPos, w.RedirectYScreenPos);
    c.setFlag(key::StayOnTop, w.StayOnTop);
    if (context.window) w.Menubar = context.window->tabPagesHidden;
    c.setFlag(key::Menubar, w.Menubar);
    c.setFlag(key::Verticalbar, w.Verticalbar);
    c.setFlag(key::SpeedbarLeft, w.SpeedbarLeft);
    c.setFlag(key::SpeedbarTop, w.SpeedbarTop);
    c.setFlag(key::UserSpeedbarPosition, w.UserSpeedbarPosition);
    c.setFlag(key::UseGradientCaption, w.UseGradientCaption);
}

void writeJobFlagsAndHistories(const Workbench& w, ConfigFile& c) {
    c.setText(key::AlwaysDevirtualize, w.AlwaysDevirtualize ? "1" : "0");
    c.setFlag(key::RunAutostartBatchfile, w.RunAutostartBatchfile);
    for (int i = 0; i < kHistorySize; ++i) c.document().writeString(section::Options, mainHistoryKey(i), w.mainHistory[i]);
    for (int i = 0; i < kHistorySize; ++i)
        c.document().writeString(section::Options, currentHistoryKey(i), w.currentHistory[i]);
}

void writeScreenFactors(const Workbench& w, ConfigFile& c) {
    for (int n = 1; n <= kDialogCount; ++n) {
        c.document().writeReal(section::Screens, screenFactorKey(n, 'X'), w.screenFactors[n - 1].x);
        c.document().writeReal(section::Screens, screenFactorKey(n, 'Y'), w.screenFactors[n - 1].y);
    }
}

// The main window's factor: its share of the screen over its designed share.
void recordMainWindowFactor(Workbench& w, const ConfigWriteContext& context) {
    if (!context.window || context.window->tabPagesHidden) return;
    if (context.screen.width <= 0 || context.screen.height <= 0) return;
    ScreenFactor& factor = w.screenFactors[0];
    factor.x = (double(context.window->width) / context.screen.width) /
               (double(defaults::MainWindowWidth) / defaults::DesignScreenWidth);
    factor.y = (double(context.window->height) / context.screen.height) /
               (double(defaults::MainWindowHeight) / defaults::DesignScreenHeight);
}

}  // namespace

void writeConfigurationKeys(Workbench& w, ConfigFile& c, const ConfigWriteContext& context) {
    recordMainWindowFactor(w, context);
    writeSystem(w, c);
    for (const ConfigSectionWriter* section : context.sections) section->write(w, c.document());
    writeChoices(w, c);
    if (!w.projectSection.empty()) writeProjectMarks(w.projectMarks, w.projectSection, c.document());
    writeFlagsAndFonts(w, c);
    writeWindowKeys(w, c, context);
    writeJobFlagsAndHistories(w, c);
    writeScreenFactors(w, c);
}

bool writeConfiguration(Workbench& w, const ConfigWriteContext& context) {
    if (keepsConfigFile(w)) return false;
    ConfigFile c(context.files, configFilePath(w));
    writeConfigurationKeys(w, c, context);
    if (c.save()) return true;
    reportConfigWriteFailure(c, w, context.ui);
    return false;
}

}  // namespace orvo
