#include "core/config_reader.h"

#include "core/config_defaults.h"
#include "core/path_names.h"
#include "core/port_script.h"
#include "core/text.h"
#include "core/window_scale.h"
#include "platform/environment.h"
#include "platform/file_system.h"

namespace orvo {
namespace {

// What a first run detected on this machine, or the usual default.
std::string_view detectedOr(const std::string& detected, std::string_view fallback) {
    return detected.empty() ? fallback : std::string_view(detected);
}

void splitPath(const std::string& path, std::string& folder, std::string& name) {
    folder = folderOf(path);
    name = fileNameOf(path);
}

void readFonts(const ConfigFile& c, Workbench& w) {
    w.ScreenFont = c.text(key::ScreenFont, w.ScreenFont);
    w.ScreenFontSize = c.integer(key::ScreenFontSize, w.ScreenFontSize);
    w.ScaleFonts = c.flag(key::ScaleFonts, false);
    w.SpeedbarFont = c.text(key::SpeedbarFont, w.ScreenFont);
    w.SpeedbarFontSize = c.integer(key::SpeedbarFontSize, w.ScreenFontSize);
    w.RedirectFont = c.text(key::RedirectFont, defaults::RedirectFont);
    w.RedirectFontSize = c.integer(key::RedirectFontSize, 8);
    w.SpellFont = c.text(key::SpellFont, w.ScreenFont);
    w.SpellFontsize = c.integer(key::SpellFontsize, w.ScreenFontSize);
}

// A factor that is no usable size reads as the key's default.
double readScreenFactor(const ConfigFile& c, int dialogNumber, char axis, double fallback) {
    double factor = c.document().readReal(section::Screens, screenFactorKey(dialogNumber, axis), fallback);
    return isUsableScreenFactor(factor) ? factor : fallback;
}

void readScreenFactors(const ConfigFile& c, Workbench& w, ScreenSize screen) {
    double defaultX = defaultScreenFactor(defaults::DesignScreenWidth, screen.width);
    double defaultY = defaultScreenFactor(defaults::DesignScreenHeight, screen.height);
    for (int n = 1; n <= kDialogCount; ++n) {
        ScreenFactor& factor = w.screenFactors[n - 1];
        factor.x = readScreenFactor(c, n, 'X', defaultX);
        factor.y = readScreenFactor(c, n, 'Y', defaultY);
    }
}

void readCommandProcessor(const ConfigFile& c, Workbench& w, const Environment& environment) {
    w.batchExtension = "BTM";
    if (w.FourDosProgram.empty()) {
        // Without COMSPEC the shipped command processor in the program folder
        // stands in; an empty command processor would leave every job unrunnable.
        w.FourDosProgram = environment.get("COMSPEC").value_or(w.OrvoBTMDir + std::string(defaults::CommandProcessorName));
        w.batchExtension = "BAT";
    }
    w.FourDosOptions = c.text(key::FourDosOptions, w.FourDosOptions);
    if (w.FourDosOptions.empty()) w.FourDosOptions = std::string(defaults::FourDosOptions);
}

void readOutputChain(const ConfigFile& c, Workbench& w) {
    splitPath(c.text(key::MainFileName, w.OwnTeXTreeDir + std::string(defaults::SampleDocument)), w.mainPath,
              w.MainFileName);
    w.CurrentFileName = c.text(key::CurrentFileName, "");
    w.Format = c.text(key::Format, w.Format);
    w.FormatName = c.text(key::FormatName, w.FormatName);
    w.Printer = c.text(key::Printer, defaults::Printer);
    w.PrinterOptions = c.text(key::PrinterOptions, "");
    w.PrinterPort = c.text(key::PrinterPort, "");
    w.PrinterTXT = c.text(key::PrinterTXT, defaults::PrinterTXT);
    takeStoredPortText(w, c.text(key::PrinterPortTXT, ""));
    splitPath(c.text(key::BibTeXFile, w.OwnTeXTreeDir + std::string(defaults::BibTeXDatabase)), w.bibTeXPath,
              w.BibTeXFile);
    w.BibTeXEditor = c.text(key::BibTeXEditor, w.BibTeXEditor);
    w.BibTeXEditorTXT = c.text(key::BibTeXEditorTXT, defaults::BibTeXEditorTXT);
    w.SpellLanguage = c.text(key::SpellLanguage, w.SpellLanguage);
    w.SpellLanguageText = c.text(key::SpellLanguageText, w.SpellLanguageText);
}

void readWindowKeys(const ConfigFile& c, Workbench& w) {
    w.XScreenPos = c.integer(key::XScreenPos, 0);
    w.YScreenPos = c.integer(key::YScreenPos, 0);
    w.XScreenPosSpeedbar = c.integer(key::XScreenPosSpeedbar, w.XScreenPos);
    w.YScreenPosSpeedbar = c.integer(key::YScreenPosSpeedbar, w.YScreenPos);
    w.RedirectXScreenPos = c.integer(key::RedirectXScreenPos, w.XScreenPos);
    w.RedirectYScreenPos = c.integer(key::RedirectYScreenPos, w.YScreenPos);
    w.SpellPosX = c.integer(key::SpellPosX, w.XScreenPos);
    w.SpellPosY = c.integer(key::SpellPosY, w.YScreenPos);
    w.StayOnTop = c.flag(key::StayOnTop, false);
    w.Menubar = c.flag(key::Menubar, false);
    w.Verticalbar = c.flag(key::Verticalbar, false);
    w.SpeedbarLeft = c.flag(key::SpeedbarLeft, false);
    w.SpeedbarTop = c.flag(key::SpeedbarTop, true);
    w.UserSpeedbarPosition = c.flag(key::UserSpeedbarPosition, false);
    w.UseGradientCaption = c.flag(key::UseGradientCaption, true);
}

}  // namespace

void readConfiguration(const ConfigFile& c, Workbench& w, const ConfigReadContext& context) {
    w.MainExtension = c.text(key::MainExtension, "TEX");
    w.CurrentExtension = c.text(key::CurrentExtension, "TEX");
    w.ShowINIErrors = c.flag(key::ShowINIErrors, true);
    w.CompileUseBTM = c.flag(key::CompileUseBTM, false);
    w.QuitUseBTM = c.flag(key::QuitUseBTM, false);
    w.SpeedbarImages = c.flag(key::SpeedbarImages, false);
    readFonts(c, w);
    w.AlwaysShowRedirectScreen = c.flag(key::AlwaysShowRedirectScreen, false);
    w.UseCompiledHTML = c.flag(key::UseCompiledHTML, false);
    w.FourDosProgram = c.text(key::FourDosProgram, w.FourDosProgram);
    if (w.ScaleFonts) {
        w.ScreenFontSize = w.SpeedbarFontSize = w.RedirectFontSize = w.SpellFontsize = 8;
    }
    readScreenFactors(c, w, context.screen);
    readCommandProcessor(c, w, context.environment);

    w.OrvoBTMDir = c.text(key::OrvoBTMDir, w.OrvoBTMDir);
    w.OrvoSelectionsOptionsDir = c.text(key::OrvoSelectionsOptionsDir, w.OrvoBTMDir);
    w.UserSpellDirectory =
        c.text(key::UserSpellDirectory, w.OrvoSelectionsOptionsDir + std::string(defaults::SpellFolder));
    w.LaTeXMac = c.text(key::LaTeXMac, w.Web2cBINDir + std::string(defaults::LaTeXMacProgram));
    w.GSView = c.text(key::GSView, detectedOr(w.GSView, defaults::GSView));
    w.BitmapViewer = c.text(key::BitmapViewer, defaults::BitmapViewer);
    w.GraphicsConverter = c.text(key::GraphicsConverter, defaults::GraphicsConverter);
    w.Viewer = c.text(key::Viewer, defaults::Viewer);
    w.ViewerTXT = c.text(key::ViewerTXT, defaults::ViewerTXT);
    w.SkipCommentsInSpellCheck = c.flag(key::SkipCommentsInSpellCheck, false);
    w.BlockMarker = c.text(key::BlockMarker, defaults::BlockMarker);
    w.EndBlockMarker = c.text(key::EndBlockMarker, defaults::EndBlockMarker);
    w.ManualPageDir = c.text(key::ManualPageDir, detectedOr(w.ManualPageDir, defaults::ManualPageDir));
    w.HelpFilesDir = c.text(key::HelpFilesDir, detectedOr(w.HelpFilesDir, w.Web2cBINDir));
    readOutputChain(c, w);
    w.OrvoLanguage = c.text(key::OrvoLanguage, w.OrvoLanguage);
    w.appliedLanguage.clear();
    w.ShowOnTaskTray = c.flag(key::ShowOnTaskTray, false);
    w.ShowOnTaskBar = c.flag(key::ShowOnTaskBar, true);
    w.RunDosWindow = c.flag(key::RunDosWindow, true);
    w.KillProcesses = c.text(key::KillProcesses, defaults::KillProcesses);
    w.CleanupFiles = c.text(key::CleanupFiles, defaults::CleanupFiles);
    w.IncludegraphicsMarks = c.text(key::IncludegraphicsMarks, defaults::IncludegraphicsMarks);
    w.DelFiles = c.text(key::DelFiles, defaults::DelFiles);
    readWindowKeys(c, w);
    w.EditorSection = c.text(key::EditorSection, "");
    w.activeEditorSection = w.EditorSection.empty() ? std::string(kDefaultEditorSection) : w.EditorSection;
    w.AlwaysDevirtualize = c.flag(key::AlwaysDevirtualize, false);
    w.RunAutostartBatchfile = c.flag(key::RunAutostartBatchfile, false);
    readHistories(c, w, context.files);
}

void closeHistoryGaps(std::array<std::string, kHistorySize>& history) {
    for (int i = 0; i + 1 < kHistorySize; ++i) {
        if (!history[i].empty()) continue;
        for (int j = i + 1; j < kHistorySize; ++j) {
            if (!history[j].empty()) {
                history[i] = std::move(history[j]);
                history[j].clear();
                break;
            }
        }
    }
}

void readHistories(const ConfigFile& c, Workbench& w, const FileSystem& files) {
    for (int i = 0; i < kHistorySize; ++i) {
        w.mainHistory[i] = trim(c.document().readString(section::Options, mainHistoryKey(i), ""));
        w.currentHistory[i] = trim(c.document().readString(section::Options, currentHistoryKey(i), ""));
        if (!w.mainHistory[i].empty() && !files.fileExists(w.mainHistory[i])) w.mainHistory[i].clear();
        if (!w.currentHistory[i].empty() && !files.fileExists(w.currentHistory[i])) w.currentHistory[i].clear();
    }
    closeHistoryGaps(w.mainHistory);
    closeHistoryGaps(w.currentHistory);
}

}  // namespace orvo
