#include "core/config_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/config_file.h"
#include "core/config_keys.h"
#include "core/ini_document.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"

namespace orvo {
namespace {

using std::string;

constexpr const char* kIniPath = "/home/u/.config/orvo/ORVO.INI";

// A field of the workbench of any of the three key types, shown as the text
// the file would hold ("1"/"0" for flags).
using Field = std::variant<string Workbench::*, int Workbench::*, bool Workbench::*>;

string shown(const Workbench& w, Field field) {
    return std::visit(
        [&w](auto member) -> string {
            const auto& value = w.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, string>) return value;
            else if constexpr (std::is_same_v<T, bool>) return value ? "1" : "0";
            else return std::to_string(value);
        },
        field);
}

// Puts a value into `field` that no key of the table reads as, so a key that
// is never read shows up.
void plantStale(Workbench& w, Field field) {
    std::visit(
        [&w](auto member) {
            auto& value = w.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, string>) value = "stale";
            else if constexpr (std::is_same_v<T, bool>) value = !value;
            else value = 4711;
        },
        field);
}

void plant(Workbench& w, Field field, const string& text) {
    std::visit(
        [&](auto member) {
            auto& value = w.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, string>) value = text;
            else if constexpr (std::is_same_v<T, bool>) value = text == "1";
            else value = std::stoi(text);
        },
        field);
}

// The workbench as start-up holds it when the remaining keys are read: the
// early keys and the "current values" of an earlier first run.
Workbench currentValues() {
    Workbench w;
    w.programDir = "/opt/orvo/";
    w.OrvoBTMDir = "/opt/orvo/";
    w.OrvoSelectionsOptionsDir = "/opt/orvo/";
    w.iniDir = "/home/u/.config/orvo/";
    w.iniName = "ORVO.INI";
    w.OwnTeXTreeDir = "/home/u/texfiles/";
    w.Web2cDir = "/usr/share/texlive/";
    w.Web2cBINDir = "/usr/bin/";
    w.FourDosProgram = "/opt/orvo/orvocmd";
    w.FourDosOptions = "-q";
    w.Format = "LaTeX";
    w.FormatName = "&web2cbin/latex";
    w.BibTeXEditor = "xdg-open";
    w.SpellLanguage = "US";
    w.SpellLanguageText = "English (US)";
    w.OrvoLanguage = "US";
    w.ScreenFont = "Tahoma";
    w.ScreenFontSize = 9;
    w.appliedLanguage = "DE";
    return w;
}

class ConfigReaderTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeEnvironment environment;
    Workbench workbench = currentValues();

    ConfigReaderTest() { environment.variables["COMSPEC"] = "/bin/comspec"; }

    // Stores `text` as ConfigFile (nothing: no file) and reads it into `workbench`.
    void read(std::optional<string> text, ScreenSize screen = {800, 600}) {
        if (text) files.addFile(kIniPath, *text);
        else files.removeFile(kIniPath);
        ConfigFile config(files, kIniPath);
        readConfiguration(config, workbench, {files, environment, screen});
    }
};

struct KeyCase {
    ConfigKey key;
    const char* fileValue;
    Field field;
    const char* fromFile;
    const char* absent;  // the default; for a "current value" key, what the workbench held
    bool currentValue = false;
};

// Every key the reader owns with a file value unlike its default. ScaleFonts
// and the command processor keys change other fields and have tests of their own.
const std::vector<KeyCase>& keyCases() {
    static const std::vector<KeyCase> cases = {
        // System
        {key::MainExtension, "LTX", &Workbench::MainExtension, "LTX", "TEX"},
        {key::CurrentExtension, "STY", &Workbench::CurrentExtension, "STY", "TEX"},
        {key::ShowINIErrors, "0", &Workbench::ShowINIErrors, "0", "1"},
        {key::OrvoBTMDir, "/srv/orvo/", &Workbench::OrvoBTMDir, "/srv/orvo/", "/opt/orvo/", true},
        {key::OrvoSelectionsOptionsDir, "/srv/lists/", &Workbench::OrvoSelectionsOptionsDir, "/srv/lists/",
         "/opt/orvo/"},
        {key::LaTeXMac, "/x/latexmac -q", &Workbench::LaTeXMac, "/x/latexmac -q", "/usr/bin/latexmac"},
        {key::GSView, "evince", &Workbench::GSView, "evince", "gv", true},
        // UserChoice: files and locations
        {key::MainFileName, "/docs/paper/paper.tex", &Workbench::mainPath, "/docs/paper/", "/home/u/texfiles/"},
        {key::MainFileName, "/docs/paper/paper.tex", &Workbench::MainFileName, "paper.tex", "latexsample.tex"},
        {key::CurrentFileName, "/docs/paper/chap1.tex", &Workbench::CurrentFileName, "/docs/paper/chap1.tex", ""},
        {key::BibTeXFile, "/docs/refs/all.bib", &Workbench::bibTeXPath, "/docs/refs/",
         "/home/u/texfiles/texmf/bibtex/bib/"},
        {key::BibTeXFile, "/docs/refs/all.bib", &Workbench::BibTeXFile, "all.bib", "mybib.bib"},
        {key::ManualPageDir, "/opt/man/", &Workbench::ManualPageDir, "/opt/man/", "/usr/share/texlive/texmf-dist/doc/",
         true},
        {key::HelpFilesDir, "/opt/help/", &Workbench::HelpFilesDir, "/opt/help/", "/usr/share/texlive/texmf-dist/doc/",
         true},
        {key::OrvoLanguage, "DE", &Workbench::OrvoLanguage, "DE", "US", true},
        {key::OrvoLanguage, "DE", &Workbench::appliedLanguage, "", ""},
        {key::EditorSection, "Editor:Emacs", &Workbench::EditorSection, "Editor:Emacs", ""},
        {key::EditorSection, "Editor:Emacs", &Workbench::activeEditorSection, "Editor:Emacs", "Editor:Emacs"},
        // UserChoice: format and output chain
        {key::FormatName, "pdflatex", &Workbench::FormatName, "pdflatex", "&web2cbin/latex", true},
        {key::Format, "pdfLaTeX", &Workbench::Format, "pdfLaTeX", "LaTeX", true},
        {key::Viewer, "evince", &Workbench::Viewer, "evince", "xdvi"},
        {key::ViewerTXT, "Evince (.pdf)", &Workbench::ViewerTXT, "Evince (.pdf)", "xdvi (.dvi)"},
        {key::Printer, "dvilj4", &Workbench::Printer, "dvilj4", "dvips"},
        {key::PrinterTXT, "HP Laserjet 4", &Workbench::PrinterTXT, "HP Laserjet 4", "PostScript (dvips)"},
        {key::PrinterPort, "/dev/lp0", &Workbench::PrinterPort, "/dev/lp0", ""},
        {key::PrinterPortTXT, "Parallel port", &Workbench::PrinterPortTXT, "Parallel port", ""},
        {key::PrinterOptions, "-t a4", &Workbench::PrinterOptions, "-t a4", ""},
        {key::BitmapViewer, "gimp", &Workbench::BitmapViewer, "gimp", "display"},
        {key::GraphicsConverter, "gm convert", &Workbench::GraphicsConverter, "gm convert", "convert"},
        {key::BibTeXEditor, "jabref", &Workbench::BibTeXEditor, "jabref", "xdg-open", true},
        {key::BibTeXEditorTXT, "JabRef", &Workbench::BibTeXEditorTXT, "JabRef", "Desktop default (xdg-open)"},
        {key::SpellLanguage, "DE", &Workbench::SpellLanguage, "DE", "US", true},
        {key::SpellLanguageText, "Deutsch", &Workbench::SpellLanguageText, "Deutsch", "English (US)", true},
        // UserChoice: fonts
        {key::ScreenFont, "Arial", &Workbench::ScreenFont, "Arial", "Tahoma", true},
        {key::ScreenFontSize, "11", &Workbench::ScreenFontSize, "11", "9", true},
        {key::SpeedbarFont, "Verdana", &Workbench::SpeedbarFont, "Verdana", "Tahoma"},
        {key::SpeedbarFontSize, "10", &Workbench::SpeedbarFontSize, "10", "9"},
        {key::RedirectFont, "Monospace", &Workbench::RedirectFont, "Monospace", "Courier New"},
        {key::RedirectFontSize, "12", &Workbench::RedirectFontSize, "12", "8"},
        {key::SpellFont, "Gothic", &Workbench::SpellFont, "Gothic", "Tahoma"},
        {key::SpellFontsize, "14", &Workbench::SpellFontsize, "14", "9"},
        // UserChoice: lists
        {key::KillProcesses, "xdvi;gv", &Workbench::KillProcesses, "xdvi;gv",
         "latexmac;XDvi;gv;Evince;JabRef;okular;Gnuplot;display;Xpdf;Zathura;Tform22;Tform19"},
        {key::CleanupFiles, "*.AUX", &Workbench::CleanupFiles, "*.AUX",
         "*.DLG;*.AUX;*.BAK;*.$$$;*.BBL;*.BLG;*.DVI;*.GLO;*.IDX;*.ILG;*.IND;*.LOF;*.LOG;*.LOT;*.TOC;_DUMP_.*;"
         "*.ORVOLG;*.WRD"},
        {key::DelFiles, "*.LOG", &Workbench::DelFiles, "*.LOG", "*.BAK;_dump_.*;*.$$$;*.?LG;*.LOG"},
        {key::IncludegraphicsMarks, "\\includepdf;", &Workbench::IncludegraphicsMarks, "\\includepdf;",
         "\\includegraphics;"},
        // UserChoice: flags and block markers
        {key::CompileUseBTM, "1", &Workbench::CompileUseBTM, "1", "0"},
        {key::QuitUseBTM, "1", &Workbench::QuitUseBTM, "1", "0"},
        {key::RunDosWindow, "0", &Workbench::RunDosWindow, "0", "1"},
        {key::AlwaysShowRedirectScreen, "1", &Workbench::AlwaysShowRedirectScreen, "1", "0"},
        {key::SpeedbarImages, "1", &Workbench::SpeedbarImages, "1", "0"},
        {key::UserSpeedbarPosition, "1", &Workbench::UserSpeedbarPosition, "1", "0"},
        {key::UseGradientCaption, "0", &Workbench::UseGradientCaption, "0", "1"},
        {key::ShowOnTaskTray, "1", &Workbench::ShowOnTaskTray, "1", "0"},
        {key::ShowOnTaskBar, "0", &Workbench::ShowOnTaskBar, "0", "1"},
        {key::UseCompiledHTML, "1", &Workbench::UseCompiledHTML, "1", "0"},
        {key::SkipCommentsInSpellCheck, "1", &Workbench::SkipCommentsInSpellCheck, "1", "0"},
        {key::BlockMarker, "%begin", &Workbench::BlockMarker, "%begin", "\\begin{document}"},
        {key::EndBlockMarker, "%end", &Workbench::EndBlockMarker, "%end", "\\end{document}"},
        // Options
        {key::XScreenPos, "120", &Workbench::XScreenPos, "120", "0"},
        {key::YScreenPos, "45", &Workbench::YScreenPos, "45", "0"},
        {key::XScreenPosSpeedbar, "300", &Workbench::XScreenPosSpeedbar, "300", "0"},
        {key::YScreenPosSpeedbar, "20", &Workbench::YScreenPosSpeedbar, "20", "0"},
        {key::RedirectXScreenPos, "-15", &Workbench::RedirectXScreenPos, "-15", "0"},
        {key::RedirectYScreenPos, "500", &Workbench::RedirectYScreenPos, "500", "0"},
        {key::StayOnTop, "1", &Workbench::StayOnTop, "1", "0"},
        {key::Menubar, "1", &Workbench::Menubar, "1", "0"},
        {key::Verticalbar, "1", &Workbench::Verticalbar, "1", "0"},
        {key::SpeedbarLeft, "1", &Workbench::SpeedbarLeft, "1", "0"},
        {key::SpeedbarTop, "0", &Workbench::SpeedbarTop, "0", "1"},
        {key::AlwaysDevirtualize, "1", &Workbench::AlwaysDevirtualize, "1", "0"},
        {key::RunAutostartBatchfile, "1", &Workbench::RunAutostartBatchfile, "1", "0"},
        // OrvoSpell
        {key::UserSpellDirectory, "/srv/spell/", &Workbench::UserSpellDirectory, "/srv/spell/", "/opt/orvo/SPELL/"},
        {key::SpellPosX, "7", &Workbench::SpellPosX, "7", "0"},
        {key::SpellPosY, "0x10", &Workbench::SpellPosY, "16", "0"},
    };
    return cases;
}

TEST_F(ConfigReaderTest, EveryKeyReadsItsValueOrItsDefault) {
    for (bool present : {true, false}) {
        SCOPED_TRACE(present ? "all keys in the file" : "no file");
        workbench = currentValues();
        for (const KeyCase& c : keyCases()) {
            if (c.currentValue) plant(workbench, c.field, c.absent);
            else plantStale(workbench, c.field);
        }
        std::optional<string> text;
        if (present) {
            IniDocument file;
            for (const KeyCase& c : keyCases()) file.writeString(c.key.section, c.key.name, c.fileValue);
            text = file.text();
        }
        read(text);
        for (const KeyCase& c : keyCases()) {
            EXPECT_EQ(shown(workbench, c.field), present ? c.fromFile : c.absent) << c.key.name;
        }
    }
}

TEST_F(ConfigReaderTest, ProgramAndFolderKeysThatNoFirstRunDetectedTakeTheirDefaults) {
    read(std::nullopt);
    EXPECT_EQ(workbench.GSView, "xdg-open");
    EXPECT_EQ(workbench.ManualPageDir, "/usr/share/man/");
    EXPECT_EQ(workbench.HelpFilesDir, "/usr/bin/") << "Web2cBINDir";
}

TEST_F(ConfigReaderTest, EmptyValueIsEmptyTextNotTheDefault) {
    read("[System]\nGSView=\n[UserChoice]\nViewer=\nBlockMarker=\nMainFileName=\n[Options]\nXScreenPos=\n");
    EXPECT_EQ(workbench.GSView, "");
    EXPECT_EQ(workbench.Viewer, "");
    EXPECT_EQ(workbench.BlockMarker, "");
    EXPECT_EQ(workbench.mainPath, "");
    EXPECT_EQ(workbench.MainFileName, "");
    EXPECT_EQ(workbench.XScreenPos, 0);  // an empty value is no integer: the default
}

TEST_F(ConfigReaderTest, DefaultsReferToKeysJustRead) {
    struct Case {
        const char* file;
        Field field;
        const char* expected;
    };
    const char* fonts = "[UserChoice]\nScreenFont=Arial\nScreenFontSize=11\n";
    const char* position = "[Options]\nXScreenPos=120\nYScreenPos=45\n";
    const char* btmDir = "[System]\nOrvoBTMDir=/srv/orvo/\n";
    const char* tree = "[UserChoice]\nOwnTeXTreeDir=/ignored/\n";  // read by start-up, not here
    const Case cases[] = {
        {fonts, &Workbench::SpeedbarFont, "Arial"},
        {fonts, &Workbench::SpeedbarFontSize, "11"},
        {fonts, &Workbench::SpellFont, "Arial"},
        {fonts, &Workbench::SpellFontsize, "11"},
        {position, &Workbench::XScreenPosSpeedbar, "120"},
        {position, &Workbench::YScreenPosSpeedbar, "45"},
        {position, &Workbench::RedirectXScreenPos, "120"},
        {position, &Workbench::RedirectYScreenPos, "45"},
        {position, &Workbench::SpellPosX, "120"},
        {position, &Workbench::SpellPosY, "45"},
        {btmDir, &Workbench::OrvoSelectionsOptionsDir, "/srv/orvo/"},
        {btmDir, &Workbench::UserSpellDirectory, "/srv/orvo/SPELL/"},
        {"[System]\nOrvoBTMDir=/srv/orvo/\nOrvoSelectionsOptionsDir=/srv/lists/\n", &Workbench::UserSpellDirectory,
         "/srv/lists/SPELL/"},
        {tree, &Workbench::mainPath, "/home/u/texfiles/"},
        {tree, &Workbench::bibTeXPath, "/home/u/texfiles/texmf/bibtex/bib/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        workbench = currentValues();
        read(c.file);
        EXPECT_EQ(shown(workbench, c.field), c.expected);
    }
}

TEST_F(ConfigReaderTest, PathsSplitIntoFolderAndName) {
    struct Case {
        const char* value;
        const char* folder;
        const char* name;
    };
    const Case cases[] = {
        {"/docs/my paper/paper.tex", "/docs/my paper/", "paper.tex"},
        {"paper.tex", "", "paper.tex"},
        {"/docs/", "/docs/", ""},
        {"/paper.tex", "/", "paper.tex"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        workbench = currentValues();
        read(string("[UserChoice]\nMainFileName=") + c.value + "\nBibTeXFile=" + c.value + "\n");
        EXPECT_EQ(workbench.mainPath, c.folder);
        EXPECT_EQ(workbench.MainFileName, c.name);
        EXPECT_EQ(workbench.bibTeXPath, c.folder);
        EXPECT_EQ(workbench.BibTeXFile, c.name);
    }
}

TEST_F(ConfigReaderTest, ScaleFontsForcesTheFourSizesTo8) {
    struct Case {
        const char* scaleFonts;  // nullptr: no key
        int expected[4];         // screen, speedbar, redirect, spell
    };
    const Case cases[] = {
        {"1", {8, 8, 8, 8}},
        {"-1", {8, 8, 8, 8}},
        {"0", {20, 21, 22, 23}},
        {nullptr, {20, 21, 22, 23}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scaleFonts ? c.scaleFonts : "absent");
        workbench = currentValues();
        string text = "[UserChoice]\nScreenFontSize=20\nSpeedbarFontSize=21\nRedirectFontSize=22\nSpellFontsize=23\n";
        if (c.scaleFonts) text += string("ScaleFonts=") + c.scaleFonts + "\n";
        read(text);
        EXPECT_EQ(workbench.ScaleFonts, c.expected[0] == 8);
        EXPECT_EQ(workbench.ScreenFontSize, c.expected[0]);
        EXPECT_EQ(workbench.SpeedbarFontSize, c.expected[1]);
        EXPECT_EQ(workbench.RedirectFontSize, c.expected[2]);
        EXPECT_EQ(workbench.SpellFontsize, c.expected[3]);
    }
}

TEST_F(ConfigReaderTest, EmptyCommandProcessorFallsBackToComspecAndBatFiles) {
    struct Case {
        const char* name;
        std::optional<string> fileValue;  // nullopt: no key
        string current;
        std::optional<string> comspec;
        string program;
        string extension;
    };
    const Case cases[] = {
        {"configured", "/usr/local/bin/orvocmd", "/opt/orvo/orvocmd", "/bin/comspec", "/usr/local/bin/orvocmd",
         "BTM"},
        {"empty in the file", "", "/opt/orvo/orvocmd", "/bin/comspec", "/bin/comspec", "BAT"},
        {"absent: current value", std::nullopt, "/opt/orvo/orvocmd", "/bin/comspec", "/opt/orvo/orvocmd", "BTM"},
        {"absent, nothing current", std::nullopt, "", "/bin/comspec", "/bin/comspec", "BAT"},
        // Without COMSPEC the shipped command processor stands in, so jobs still have one.
        {"empty, COMSPEC unset", "", "", std::nullopt, "/opt/orvo/orvocmd", "BAT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        workbench = currentValues();
        workbench.FourDosProgram = c.current;
        workbench.batchExtension = "stale";
        environment.variables.erase("COMSPEC");
        if (c.comspec) environment.variables["COMSPEC"] = *c.comspec;
        read(c.fileValue ? "[System]\n4DosProgram=" + *c.fileValue + "\n" : string());
        EXPECT_EQ(workbench.FourDosProgram, c.program);
        EXPECT_EQ(workbench.batchExtension, c.extension);
    }
}

TEST_F(ConfigReaderTest, EmptyCommandProcessorOptionsBecomeSlashC) {
    struct Case {
        std::optional<string> fileValue;  // nullopt: no key
        string current;
        string expected;
    };
    const Case cases[] = {
        {"@/opt/orvo/orvocmd.ini", "-q", "@/opt/orvo/orvocmd.ini"},
        {"", "-q", "/c"},
        {std::nullopt, "-q", "-q"},
        {std::nullopt, "", "/c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileValue.value_or("absent"));
        workbench = currentValues();
        workbench.FourDosOptions = c.current;
        read(c.fileValue ? "[System]\n4DosOptions=" + *c.fileValue + "\n" : string());
        EXPECT_EQ(workbench.FourDosOptions, c.expected);
    }
}

TEST_F(ConfigReaderTest, ScreenFactorsDefaultToTheDesignedScreenOverTheActualOne) {
    read("[Screens]\nForm3_X=1.25\nForm3_Y=wide\nForm21_Y=0.75\n", {1600, 1200});
    for (int n = 1; n <= kDialogCount; ++n) {
        SCOPED_TRACE(n);
        const ScreenFactor& factor = workbench.screenFactors[n - 1];
        EXPECT_DOUBLE_EQ(factor.x, n == 3 ? 1.25 : 0.5);
        EXPECT_DOUBLE_EQ(factor.y, n == 21 ? 0.75 : 0.5);
    }
}

// A damaged or hand-edited factor reads as the default; so does every
// factor without a known screen, where the default is 1.
TEST_F(ConfigReaderTest, ScreenFactorsOutsideUsableSizesReadAsTheirDefault) {
    read("[Screens]\nForm1_X=0\nForm1_Y=-1\nForm2_X=100\nForm2_Y=100.5\nForm3_X=1e300\nForm3_Y=0.001\n"
         "Form4_X=inf\n",
         {1600, 1200});
    struct Case {
        int dialog;
        double x;
        double y;
    };
    const Case cases[] = {{1, 0.5, 0.5}, {2, 100, 0.5}, {3, 0.5, 0.001}, {4, 0.5, 0.5}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(workbench.screenFactors[c.dialog - 1].x, c.x) << c.dialog;
        EXPECT_DOUBLE_EQ(workbench.screenFactors[c.dialog - 1].y, c.y) << c.dialog;
    }
    read("[Screens]\nForm1_X=2\n", {0, 0});
    EXPECT_DOUBLE_EQ(workbench.screenFactors[0].x, 2);
    EXPECT_DOUBLE_EQ(workbench.screenFactors[0].y, 1) << "no screen known: the designed size";
    EXPECT_DOUBLE_EQ(workbench.screenFactors[1].x, 1);
}

TEST_F(ConfigReaderTest, PortScriptPrefixNamesThePrintDestination) {
    read("[UserChoice]\nPrinterPort=/dev/lp0\nPrinterPortTXT=@lpr-office.sh@Office laser\n");
    EXPECT_TRUE(workbench.portScriptRead);
    EXPECT_EQ(workbench.portScript, "lpr-office.sh");
    EXPECT_EQ(workbench.PrinterPort, "lpr-office.sh");
    EXPECT_EQ(workbench.PrinterPortTXT, "Office laser");
}

TEST_F(ConfigReaderTest, PortTextWithoutPrefixKeepsThePrinterPort) {
    read("[UserChoice]\nPrinterPort=/dev/lp0\nPrinterPortTXT=Parallel port\n");
    EXPECT_FALSE(workbench.portScriptRead);
    EXPECT_EQ(workbench.portScript, "");
    EXPECT_EQ(workbench.PrinterPort, "/dev/lp0");
    EXPECT_EQ(workbench.PrinterPortTXT, "Parallel port");
}

TEST_F(ConfigReaderTest, AnyNonZeroIntegerSetsAlwaysDevirtualize) {
    const std::pair<const char*, bool> cases[] = {
        {"1", true},     {"0", false},    {"-1", true}, {"42", true}, {"0x10", true},
        {"0x0", false},  {"$1F", true},   {"yes", false}, {"", false},
    };
    for (const auto& [value, expected] : cases) {
        workbench = currentValues();
        workbench.AlwaysDevirtualize = !expected;
        read(string("[Options]\nAlwaysDevirtualize=") + value + "\n");
        EXPECT_EQ(workbench.AlwaysDevirtualize, expected) << '"' << value << '"';
    }
}

// Histories: entries whose file is gone are cleared, the rest move up in order.
class ConfigHistoryTest : public ConfigReaderTest {
protected:
    ConfigHistoryTest() {
        for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"})
            files.addFile(string("/d/") + name + ".tex");
    }

    static string historyText(const char* prefix, const std::vector<string>& entries) {
        string text;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i] != "-") text += prefix + std::to_string(i) + "=" + entries[i] + "\n";
        }
        return text;
    }

    static std::array<string, kHistorySize> padded(std::vector<string> entries) {
        std::array<string, kHistorySize> result {};
        for (std::size_t i = 0; i < entries.size(); ++i) result[i] = entries[i];
        return result;
    }
};

TEST_F(ConfigHistoryTest, MissingEntriesAreClearedAndGapsClosed) {
    struct Case {
        const char* name;
        std::vector<string> file;  // by position; "-" means no key
        std::vector<string> expected;
    };
    const Case cases[] = {
        {"middle entry missing", {"/d/a.tex", "/d/gone.tex", "/d/c.tex"}, {"/d/a.tex", "/d/c.tex"}},
        {"leading gaps and no keys", {"-", "", "/d/c.tex", "/d/gone.tex", "/d/a.tex"}, {"/d/c.tex", "/d/a.tex"}},
        {"blanks around an entry", {"  /d/b.tex  ", "\t/d/e.tex"}, {"/d/b.tex", "/d/e.tex"}},
        {"only the last position",
         {"-", "-", "-", "-", "-", "-", "-", "-", "-", "/d/j.tex"},
         {"/d/j.tex"}},
        {"all gone", {"/d/x.tex", "/d/y.tex"}, {}},
        {"full and existing",
         {"/d/j.tex", "/d/i.tex", "/d/h.tex", "/d/g.tex", "/d/f.tex", "/d/e.tex", "/d/d.tex", "/d/c.tex", "/d/b.tex",
          "/d/a.tex"},
         {"/d/j.tex", "/d/i.tex", "/d/h.tex", "/d/g.tex", "/d/f.tex", "/d/e.tex", "/d/d.tex", "/d/c.tex", "/d/b.tex",
          "/d/a.tex"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        workbench = currentValues();
        workbench.mainHistory.fill("stale");
        workbench.currentHistory.fill("stale");
        read("[Options]\n" + historyText("MainHistory", c.file) + historyText("CurrentHistory", c.file));
        EXPECT_EQ(workbench.mainHistory, padded(c.expected));
        EXPECT_EQ(workbench.currentHistory, padded(c.expected));
    }
}

TEST_F(ConfigHistoryTest, EachListClosesItsOwnGaps) {
    read("[Options]\nMainHistory0=/d/a.tex\nMainHistory1=/d/b.tex\n"
         "CurrentHistory0=/d/gone.tex\nCurrentHistory1=/d/gone.tex\nCurrentHistory2=/d/c.tex\n");
    EXPECT_EQ(workbench.mainHistory, padded({"/d/a.tex", "/d/b.tex"}));
    EXPECT_EQ(workbench.currentHistory, padded({"/d/c.tex"}));
}

}  // namespace
}  // namespace orvo
