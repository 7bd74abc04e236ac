#include "core/config_writer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/config_file.h"
#include "core/config_reader.h"
#include "core/config_section_writer.h"
#include "core/ini_document.h"
#include "core/workbench.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_user_interaction.h"

namespace orvo {
namespace {

using std::string;
using std::vector;

constexpr const char* kIniDir = "/home/u/.config/orvo/";
constexpr const char* kIniPath = "/home/u/.config/orvo/ORVO.INI";

// A workbench whose every written field holds a value unlike its default.
Workbench populated() {
    Workbench w;
    w.iniDir = kIniDir;
    w.iniName = "ORVO.INI";
    w.Web2cDir = "/usr/share/texlive/";
    w.Web2cBINDir = "/usr/bin/";
    w.MainExtension = "LTX";
    w.CurrentExtension = "STY";
    w.FourDosProgram = "/opt/orvo/orvocmd";
    w.FourDosOptions = "@/opt/orvo/orvocmd.ini";
    w.OrvoBTMDir = "/opt/orvo/";
    w.OrvoSelectionsOptionsDir = "/opt/orvo/lists/";
    w.SpellChecker = "&OrvoBTMDirOrvoSpell &spellfile";
    w.LaTeXMac = "/usr/bin/latexmac";
    w.GSView = "gv";
    w.ShowINIErrors = false;
    w.OrvoLanguage = "DE";
    w.OwnTeXTreeDir = "/home/u/texfiles/";
    w.mainPath = "/docs/paper/";
    w.MainFileName = "paper.tex";
    w.CurrentFileName = "/docs/paper/chap1.tex";
    w.Format = "pdfLaTeX";
    w.FormatName = "pdflatex";
    w.Viewer = "evince";
    w.ViewerTXT = "Evince (.pdf)";
    w.Printer = "dvilj4";
    w.PrinterOptions = "-t a4";
    w.PrinterPort = "lpr-office.sh";
    w.PrinterTXT = "HP Laserjet 4";
    w.PrinterPortTXT = "Office laser";
    w.portScript = "lpr-office.sh";
    w.BitmapViewer = "gimp";
    w.GraphicsConverter = "gm convert";
    w.bibTeXPath = "/docs/refs/";
    w.BibTeXFile = "all.bib";
    w.BibTeXEditor = "jabref";
    w.BibTeXEditorTXT = "JabRef";
    w.SpellLanguage = "DE";
    w.SpellLanguageText = "Deutsch";
    w.KillProcesses = "xdvi;gv";
    w.BlockMarker = "%begin";
    w.EndBlockMarker = "%end";
    w.ManualPageDir = "/opt/man/";
    w.HelpFilesDir = "/opt/help/";
    w.CleanupFiles = "*.AUX;*.LOG";
    w.EditorSection = "Editor:Emacs";
    w.activeEditorSection = "Editor:Emacs_DE";
    w.DelFiles = "*.BAK";
    w.ShowOnTaskTray = true;
    w.ShowOnTaskBar = false;
    w.RunDosWindow = false;
    w.CompileUseBTM = true;
    w.QuitUseBTM = true;
    w.ScreenFont = "Arial";
    w.SpeedbarFont = "Verdana";
    w.RedirectFont = "Monospace";
    w.ScreenFontSize = 11;
    w.SpeedbarFontSize = 10;
    w.RedirectFontSize = 12;
    w.ScaleFonts = false;  // set, it would force the sizes to 8 when read back
    w.SpeedbarImages = true;
    w.AlwaysShowRedirectScreen = true;
    w.UseCompiledHTML = true;
    w.XScreenPos = 120;
    w.YScreenPos = 45;
    w.XScreenPosSpeedbar = 300;
    w.YScreenPosSpeedbar = 20;
    w.RedirectXScreenPos = 15;
    w.RedirectYScreenPos = 500;
    w.StayOnTop = true;
    w.Menubar = false;
    w.Verticalbar = true;
    w.SpeedbarLeft = true;
    w.SpeedbarTop = false;
    w.UserSpeedbarPosition = true;
    w.UseGradientCaption = false;
    w.AlwaysDevirtualize = true;
    w.RunAutostartBatchfile = true;
    w.mainHistory = {"/docs/paper/paper.tex", "/docs/old/old.tex"};
    w.currentHistory = {"/docs/paper/chap1.tex"};
    for (int n = 1; n <= kDialogCount; ++n) w.screenFactors[n - 1] = {1.0 + n / 100.0, 2.0 - n / 64.0};
    return w;
}

// A section owned by a subsystem above, as the editor profile is: written
// under the active profile's name.
class ActiveProfileSection : public ConfigSectionWriter {
public:
    void write(const Workbench& w, IniDocument& config) const override {
        config.writeString(w.activeEditorSection, "Editor", w.editor.Editor);
    }
};

class ConfigWriterTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeUserInteraction ui;
    Workbench workbench = populated();
    ScreenSize screen {1024, 768};
    ActiveProfileSection profileSection;
    const ConfigSectionWriter* sections[1] = {&profileSection};

    ConfigWriterTest() { files.addDirectory(kIniDir); }

    bool write(std::optional<WindowGeometry> window = std::nullopt) {
        return writeConfiguration(workbench, {files, ui, screen, window, sections});
    }
    IniDocument written() const { return IniDocument(files.files.at(kIniPath)); }
    string value(std::string_view section, std::string_view key) const {
        return written().value(section, key).value_or("<absent>");
    }
};

vector<string> numbered(const char* prefix) {
    vector<string> names;
    for (int i = 0; i < kHistorySize; ++i) names.push_back(prefix + std::to_string(i));
    return names;
}

TEST_F(ConfigWriterTest, WritesEveryKeyInItsOrderPerSection) {
    const vector<string> system = {"Web2cDir",   "Web2cBINDir",   "MainExtension",           "CurrentExtension",
                                   "4DosProgram", "4DosOptions",  "OrvoBTMDir",              "OrvoSelectionsOptionsDir",
                                   "SpellChecker", "LaTeXMac",    "GSView",                  "ShowINIErrors"};
    const vector<string> userChoice = {
        "OrvoLanguage", "OwnTeXTreeDir", "MainFileName", "CurrentFileName", "Format", "FormatName", "Viewer",
        "ViewerTXT", "Printer", "PrinterOptions", "PrinterPort", "PrinterTXT", "PrinterPortTXT", "BitmapViewer",
        "GraphicsConverter", "BibTeXFile", "BibTeXEditor", "BibTeXEditorTXT", "SpellLanguage", "SpellLanguageText",
        "KillProcesses", "BlockMarker", "EndBlockMarker", "ManualPageDir", "HelpFilesDir", "CleanupFiles",
        "EditorSection",
        // after the project marks
        "DelFiles", "ShowOnTaskTray", "ShowOnTaskBar", "RunDosWindow", "CompileUseBTM", "QuitUseBTM", "ScreenFont",
        "SpeedbarFont", "RedirectFont", "ScreenFontSize", "SpeedbarFontSize", "RedirectFontSize", "ScaleFonts",
        "SpeedbarImages", "AlwaysShowRedirectScreen", "UseCompiledHTML",
        // after the window positions
        "UserSpeedbarPosition", "UseGradientCaption"};
    vector<string> options = {"XScreenPos", "YScreenPos", "XScreenPosSpeedbar", "YScreenPosSpeedbar",
                              "RedirectXScreenPos", "RedirectYScreenPos", "StayOnTop", "Menubar", "Verticalbar",
                              "SpeedbarLeft", "SpeedbarTop", "AlwaysDevirtualize", "RunAutostartBatchfile"};
    for (const string& name : numbered("MainHistory")) options.push_back(name);
    for (const string& name : numbered("CurrentHistory")) options.push_back(name);
    vector<string> screens;
    for (int n = 1; n <= kDialogCount; ++n) {
        screens.push_back("Form" + std::to_string(n) + "_X");
        screens.push_back("Form" + std::to_string(n) + "_Y");
    }

    const std::optional<WindowGeometry> windows[] = {std::nullopt, WindowGeometry {10, 20, 481, 240, false},
                                                     WindowGeometry {10, 20, 481, 40, true}};
    for (const auto& window : windows) {
        SCOPED_TRACE(window ? (window->tabPagesHidden ? "speedbar" : "tabbed window") : "no geometry");
        files.files.clear();
        workbench = populated();
        ASSERT_TRUE(write(window));
        IniDocument file = written();
        // The keys read but never written (SpellFont, OrvoSpell ...) stay out;
        // the active editor profile follows System.
        EXPECT_EQ(file.sectionNames(),
                  (vector<string> {"System", "Editor:Emacs_DE", "UserChoice", "Options", "Screens"}));
        EXPECT_EQ(file.keyNames("System"), system);
        EXPECT_EQ(file.keyNames("UserChoice"), userChoice);
        EXPECT_EQ(file.keyNames("Options"), options);
        EXPECT_EQ(file.keyNames("Screens"), screens);
        EXPECT_EQ(files.writeCount, 1);
        files.writeCount = 0;
    }
}

TEST_F(ConfigWriterTest, WritesValuesInTheirFileForm) {
    workbench.ShowINIErrors = true;
    ASSERT_TRUE(write());
    struct Case {
        std::string_view section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"System", "4DosProgram", "/opt/orvo/orvocmd"},
        {"System", "ShowINIErrors", "1"},
        {"UserChoice", "MainFileName", "/docs/paper/paper.tex"},
        {"UserChoice", "BibTeXFile", "/docs/refs/all.bib"},
        {"UserChoice", "PrinterPort", "lpr-office.sh"},
        {"UserChoice", "PrinterPortTXT", "@lpr-office.sh@Office laser"},
        {"UserChoice", "EditorSection", "Editor:Emacs"},  // without the language suffix
        {"UserChoice", "ShowOnTaskBar", "0"},
        {"UserChoice", "CompileUseBTM", "1"},
        {"UserChoice", "ScreenFontSize", "11"},
        {"Options", "XScreenPos", "120"},
        {"Options", "RedirectYScreenPos", "500"},
        {"Options", "SpeedbarTop", "0"},
        {"Options", "AlwaysDevirtualize", "1"},
        {"Options", "MainHistory1", "/docs/old/old.tex"},
        {"Options", "MainHistory2", ""},
        {"Options", "CurrentHistory9", ""},
        {"Screens", "Form4_X", "1.04"},
        {"Screens", "Form16_Y", "1.75"},
    };
    for (const Case& c : cases) EXPECT_EQ(value(c.section, c.key), c.expected) << c.key;
}

TEST_F(ConfigWriterTest, EditorSectionIsTheActiveSectionUpToItsFirstUnderscore) {
    const std::pair<const char*, const char*> cases[] = {
        {"Editor:Emacs_DE", "Editor:Emacs"},
        {"Editor:My_Vim_US", "Editor:My"},
        {"Editor:MED", "Editor:MED"},
    };
    for (const auto& [active, expected] : cases) {
        workbench.activeEditorSection = active;
        ASSERT_TRUE(write());
        EXPECT_EQ(value("UserChoice", "EditorSection"), expected) << active;
    }
}

TEST_F(ConfigWriterTest, AlwaysDevirtualizeIsWrittenAsOneOrZero) {
    for (bool set : {true, false}) {
        workbench.AlwaysDevirtualize = set;
        ASSERT_TRUE(write());
        EXPECT_EQ(value("Options", "AlwaysDevirtualize"), set ? "1" : "0");
    }
}

TEST_F(ConfigWriterTest, MainWindowFactorAndMenubarFollowTheGeometry) {
    struct Case {
        const char* name;
        std::optional<WindowGeometry> window;
        bool menubarBefore;
        const char* menubar;
        ScreenFactor mainFactor;
    };
    const ScreenFactor kept = populated().screenFactors[0];
    // The window's share of the 1024 x 768 screen over its designed share, 481/800 by 240/600.
    const Case cases[] = {
        {"no geometry, tabbed", std::nullopt, false, "0", kept},
        {"no geometry, speedbar", std::nullopt, true, "1", kept},
        {"tab pages shown", WindowGeometry {0, 0, 770, 384, false}, true, "0",
         {(770.0 / 1024) / (481.0 / 800), 1.25}},
        {"tab pages hidden", WindowGeometry {0, 0, 770, 40, true}, false, "1", kept},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        workbench = populated();
        workbench.Menubar = c.menubarBefore;
        ASSERT_TRUE(write(c.window));
        EXPECT_EQ(value("Options", "Menubar"), c.menubar);
        IniDocument file = written();
        EXPECT_NEAR(file.readReal("Screens", "Form1_X", -1), c.mainFactor.x, 1e-12);
        EXPECT_NEAR(file.readReal("Screens", "Form1_Y", -1), c.mainFactor.y, 1e-12);
        EXPECT_DOUBLE_EQ(workbench.screenFactors[0].x, c.mainFactor.x);
        EXPECT_DOUBLE_EQ(workbench.screenFactors[0].y, c.mainFactor.y);
        // The other dialogs store their own pairs; the writer only passes them on.
        EXPECT_NEAR(file.readReal("Screens", "Form2_X", -1), populated().screenFactors[1].x, 1e-12);
    }
}

TEST_F(ConfigWriterTest, MainWindowPositionIsClampedOntoTheScreen) {
    struct Case {
        int x, y;
        int expectedX, expectedY;
    };
    // A 400 x 300 window on the 1024 x 768 screen.
    const Case cases[] = {
        {-5, -7, 0, 0},      {700, 100, 624, 100}, {100, 500, 100, 468},
        {624, 468, 624, 468}, {-10, 600, 0, 468},  {2000, -3, 624, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        workbench.XScreenPos = c.x;
        workbench.YScreenPos = c.y;
        ASSERT_TRUE(write(WindowGeometry {c.x, c.y, 400, 300, false}));
        EXPECT_EQ(value("Options", "XScreenPos"), std::to_string(c.expectedX));
        EXPECT_EQ(value("Options", "YScreenPos"), std::to_string(c.expectedY));
        EXPECT_EQ(workbench.XScreenPos, c.expectedX);
        EXPECT_EQ(workbench.YScreenPos, c.expectedY);
    }
}

TEST_F(ConfigWriterTest, AWindowLargerThanTheScreenKeepsItsCornerOnTheScreen) {
    workbench.XScreenPos = 50;
    workbench.YScreenPos = 20;
    ASSERT_TRUE(write(WindowGeometry {50, 20, 1500, 900, false}));
    EXPECT_EQ(value("Options", "XScreenPos"), "0");
    EXPECT_EQ(value("Options", "YScreenPos"), "0");
}

TEST_F(ConfigWriterTest, NegativePositionIsRaisedToZeroWithoutGeometry) {
    workbench.XScreenPos = -30;
    workbench.YScreenPos = -1;
    ASSERT_TRUE(write());
    EXPECT_EQ(value("Options", "XScreenPos"), "0");
    EXPECT_EQ(value("Options", "YScreenPos"), "0");
}

TEST_F(ConfigWriterTest, SpeedbarAndConsolePositionsAreOnlyRaisedToZero) {
    workbench.XScreenPosSpeedbar = -4;
    workbench.YScreenPosSpeedbar = 5000;
    workbench.RedirectXScreenPos = 3000;
    workbench.RedirectYScreenPos = -1;
    ASSERT_TRUE(write(WindowGeometry {0, 0, 400, 300, false}));
    EXPECT_EQ(value("Options", "XScreenPosSpeedbar"), "0");
    EXPECT_EQ(value("Options", "YScreenPosSpeedbar"), "5000");
    EXPECT_EQ(value("Options", "RedirectXScreenPos"), "3000");
    EXPECT_EQ(value("Options", "RedirectYScreenPos"), "0");
}

TEST_F(ConfigWriterTest, HandWrittenLinesStayAsTheyWere) {
    const string original =
        "; Orvo settings, edited by hand\n"
        "[System]\n"
        "Web2cDir=/old/texlive/\n"
        "; keep the next key\n"
        "Unknown=keep me\n"
        "\n"
        "[Private]\n"
        "Colour = blue\n"
        "[UserChoice]\n"
        "SpellFont=Gothic\n"
        "[OrvoSpell]\n"
        "UserSpellDirectory=/srv/spell/\n";
    files.addFile(kIniPath, original);
    ASSERT_TRUE(write());
    const string& text = files.files.at(kIniPath);
    // Everything up to the first replaced key is untouched, the key is replaced in place.
    EXPECT_EQ(text.rfind("; Orvo settings, edited by hand\n[System]\nWeb2cDir=/usr/share/texlive/\n"
                         "; keep the next key\nUnknown=keep me\n",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("\n[Private]\nColour = blue\n[UserChoice]\n"), string::npos) << text;
    EXPECT_NE(text.find("[OrvoSpell]\nUserSpellDirectory=/srv/spell/\n"), string::npos) << text;
    IniDocument file = written();
    EXPECT_EQ(file.value("UserChoice", "SpellFont"), "Gothic");
    EXPECT_EQ(file.keyNames("Private"), vector<string> {"Colour"});
    EXPECT_EQ(file.keyNames("OrvoSpell"), vector<string> {"UserSpellDirectory"});
}

// Reads ConfigFile as start-up does: the early keys first, then the rest.
Workbench readBack(FakeFileSystem& files, const FakeEnvironment& environment, ScreenSize screen) {
    Workbench w;
    w.iniDir = kIniDir;
    w.iniName = "ORVO.INI";
    ConfigFile config(files, kIniPath);
    w.OwnTeXTreeDir = config.text(key::OwnTeXTreeDir, kNoIniFileMark);
    w.Web2cDir = config.text(key::Web2cDir, "");
    w.SpellChecker = config.text(key::SpellChecker, "");
    w.Web2cBINDir = config.text(key::Web2cBINDir, "");
    readConfiguration(config, w, {files, environment, screen});
    return w;
}

TEST_F(ConfigWriterTest, WrittenFileReadsBackIntoTheSameState) {
    for (const char* path : {"/docs/paper/paper.tex", "/docs/old/old.tex", "/docs/paper/chap1.tex"})
        files.addFile(path);
    FakeEnvironment environment;
    ASSERT_TRUE(write());
    const Workbench& w = workbench;
    Workbench r = readBack(files, environment, screen);

    const string Workbench::*texts[] = {
        &Workbench::Web2cDir, &Workbench::Web2cBINDir, &Workbench::MainExtension, &Workbench::CurrentExtension,
        &Workbench::FourDosProgram, &Workbench::FourDosOptions, &Workbench::OrvoBTMDir,
        &Workbench::OrvoSelectionsOptionsDir, &Workbench::SpellChecker, &Workbench::LaTeXMac, &Workbench::GSView,
        &Workbench::OrvoLanguage, &Workbench::OwnTeXTreeDir, &Workbench::mainPath, &Workbench::MainFileName,
        &Workbench::CurrentFileName, &Workbench::Format, &Workbench::FormatName, &Workbench::Viewer,
        &Workbench::ViewerTXT, &Workbench::Printer, &Workbench::PrinterOptions, &Workbench::PrinterPort,
        &Workbench::PrinterTXT, &Workbench::PrinterPortTXT, &Workbench::portScript, &Workbench::BitmapViewer,
        &Workbench::GraphicsConverter, &Workbench::bibTeXPath, &Workbench::BibTeXFile, &Workbench::BibTeXEditor,
        &Workbench::BibTeXEditorTXT, &Workbench::SpellLanguage, &Workbench::SpellLanguageText,
        &Workbench::KillProcesses, &Workbench::BlockMarker, &Workbench::EndBlockMarker, &Workbench::ManualPageDir,
        &Workbench::HelpFilesDir, &Workbench::CleanupFiles, &Workbench::EditorSection, &Workbench::DelFiles,
        &Workbench::ScreenFont, &Workbench::SpeedbarFont, &Workbench::RedirectFont, &Workbench::batchExtension,
    };
    for (auto field : texts) EXPECT_EQ(r.*field, w.*field);
    const int Workbench::*numbers[] = {
        &Workbench::ScreenFontSize,     &Workbench::SpeedbarFontSize,   &Workbench::RedirectFontSize,
        &Workbench::XScreenPos,         &Workbench::YScreenPos,         &Workbench::XScreenPosSpeedbar,
        &Workbench::YScreenPosSpeedbar, &Workbench::RedirectXScreenPos, &Workbench::RedirectYScreenPos,
    };
    for (auto field : numbers) EXPECT_EQ(r.*field, w.*field);
    const bool Workbench::*flags[] = {
        &Workbench::ShowINIErrors,  &Workbench::ShowOnTaskTray,      &Workbench::ShowOnTaskBar,
        &Workbench::RunDosWindow,   &Workbench::CompileUseBTM,       &Workbench::QuitUseBTM,
        &Workbench::ScaleFonts,     &Workbench::SpeedbarImages,      &Workbench::AlwaysShowRedirectScreen,
        &Workbench::UseCompiledHTML, &Workbench::StayOnTop,          &Workbench::Menubar,
        &Workbench::Verticalbar,    &Workbench::SpeedbarLeft,        &Workbench::SpeedbarTop,
        &Workbench::UserSpeedbarPosition, &Workbench::UseGradientCaption, &Workbench::AlwaysDevirtualize,
        &Workbench::RunAutostartBatchfile,
    };
    for (auto field : flags) EXPECT_EQ(r.*field, w.*field);
    EXPECT_EQ(r.mainHistory, w.mainHistory);
    EXPECT_EQ(r.currentHistory, w.currentHistory);
    EXPECT_EQ(r.activeEditorSection, "Editor:Emacs");  // the language suffix comes from the profile, not the file
    for (int n = 0; n < kDialogCount; ++n) {
        EXPECT_NEAR(r.screenFactors[n].x, w.screenFactors[n].x, 1e-12) << n + 1;
        EXPECT_NEAR(r.screenFactors[n].y, w.screenFactors[n].y, 1e-12) << n + 1;
    }

    // Writing what was read gives the same file again.
    const string first = files.files.at(kIniPath);
    r.activeEditorSection = w.activeEditorSection;
    ASSERT_TRUE(writeConfiguration(r, {files, ui, screen, std::nullopt}));
    EXPECT_EQ(files.files.at(kIniPath), first);
}

TEST_F(ConfigWriterTest, PortScriptPrefixIsWrittenBackUnchanged) {
    files.addFile(kIniPath, "[UserChoice]\nPrinterPort=/dev/lp0\nPrinterPortTXT=@lpr-office.sh@Office laser\n");
    Workbench read = readBack(files, FakeEnvironment {}, screen);
    ASSERT_TRUE(writeConfiguration(read, {files, ui, screen, std::nullopt}));
    EXPECT_EQ(value("UserChoice", "PrinterPortTXT"), "@lpr-office.sh@Office laser");
    EXPECT_EQ(value("UserChoice", "PrinterPort"), "lpr-office.sh");
}

TEST_F(ConfigWriterTest, FailedWriteIsReportedOnlyWhenShowINIErrorsIsSet) {
    for (bool showErrors : {true, false}) {
        SCOPED_TRACE(showErrors ? "ShowINIErrors=1" : "ShowINIErrors=0");
        ui.shown.clear();
        files.addFile(kIniPath, "[System]\nWeb2cDir=/old/\n");
        files.failWrites = true;
        workbench.ShowINIErrors = showErrors;
        EXPECT_FALSE(write(WindowGeometry {0, 0, 400, 300, false}));
        EXPECT_EQ(files.files.at(kIniPath), "[System]\nWeb2cDir=/old/\n");  // the old file stays whole
        if (showErrors) {
            ASSERT_EQ(ui.shown.size(), 1u);
            EXPECT_EQ(ui.shown[0].text, "Orvo couldn't write the INI file /home/u/.config/orvo/ORVO.INI");
            EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
            EXPECT_EQ(ui.shown[0].buttons, MessageButtons::Ok);
        } else {
            EXPECT_TRUE(ui.shown.empty());
        }
    }
}

TEST_F(ConfigWriterTest, SuccessfulWriteStaysSilent) {
    workbench.ShowINIErrors = true;
    EXPECT_TRUE(write());
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(files.writeCount, 1);
}

}  // namespace
}  // namespace orvo
