#include "core/parameter_file.h"

#include <gtest/gtest.h>

#include "core/document_parameters.h"
#include "core/ini_document.h"
#include "core/text_decoding.h"
#include "core/workbench.h"
#include "platform/fake/fake_file_system.h"
#include "tests/fake_main_window_view.h"

namespace orvo {
namespace {

Workbench documentChoices() {
    Workbench w;
    w.mainPath = "/docs/";
    w.MainFileName = "paper.tex";
    w.FormatName = "&web2cbin/pdflatex";
    w.Format = "pdfLaTeX (.pdf)";
    w.Viewer = "xdvi";
    w.ViewerTXT = "xdvi (.dvi)";
    w.Printer = "dvips";
    w.PrinterTXT = "PostScript (dvips)";
    w.PrinterPort = "!lpr";
    w.PrinterPortTXT = "Default printer (lpr)";
    w.PrinterOptions = "-t a4";
    w.SpellLanguage = "DE";
    w.SpellLanguageText = "Deutsch";
    w.bibTeXPath = "/docs/bib/";
    w.BibTeXFile = "refs.bib";
    w.AlwaysDevirtualize = true;
    return w;
}

TEST(ParameterFile, NamedAfterTheMainFilesBaseName) {
    EXPECT_EQ(parameterFilePath("/docs/", "PAPER.TEX"), "/docs/PAPER.ORVOPAR");
    EXPECT_EQ(parameterFilePath("/d/", "my.thesis.tex"), "/d/my.thesis.ORVOPAR");
    EXPECT_EQ(parameterFilePath("/d/", "README"), "/d/README.ORVOPAR");
}

TEST(ParameterFile, FifteenLinesRoundTrip) {
    Workbench w = documentChoices();
    w.portScript = "/opt/orvo/PRNQUEUE.BTM";
    w.PrinterPort = w.portScript;
    std::string text = parameterFileText(w, "/docs/chap 1.tex");
    std::vector<std::string> lines = splitTextLines(text);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], kParameterFileHeader);
    EXPECT_EQ(lines[1], "currentfilename=/docs/chap 1.tex");
    EXPECT_EQ(lines[9], "printerporttxt=@/opt/orvo/PRNQUEUE.BTM@Default printer (lpr)");
    EXPECT_EQ(lines[13], "BibTeXfile=/docs/bib/refs.bib");
    EXPECT_EQ(lines[14], "AlwaysDevirtualize=1");
    EXPECT_NE(text.find("\r\n"), std::string::npos);

    Workbench back;
    takeParameterLines(lines, back);
    EXPECT_EQ(back.CurrentFileName, "/docs/chap 1.tex");
    EXPECT_EQ(back.FormatName, w.FormatName);
    EXPECT_EQ(back.Format, w.Format);
    EXPECT_EQ(back.ViewerTXT, w.ViewerTXT);
    EXPECT_EQ(back.PrinterTXT, w.PrinterTXT);
    EXPECT_EQ(back.PrinterPortTXT, "Default printer (lpr)");
    EXPECT_EQ(back.portScript, "/opt/orvo/PRNQUEUE.BTM");
    EXPECT_EQ(back.PrinterPort, "/opt/orvo/PRNQUEUE.BTM") << "the script is the destination";
    EXPECT_EQ(back.PrinterOptions, "-t a4");
    EXPECT_EQ(back.SpellLanguageText, "Deutsch");
    EXPECT_EQ(back.bibTeXPath, "/docs/bib/");
    EXPECT_EQ(back.BibTeXFile, "refs.bib");
    EXPECT_TRUE(back.AlwaysDevirtualize);
    EXPECT_EQ(parameterFileText(back, back.CurrentFileName), text) << "written again unchanged";
}

TEST(ParameterFile, ValuesAreWrittenOnOneLineWithoutSurroundingBlanks) {
    Workbench w = documentChoices();
    w.Format = "  LaTeX  ";
    w.PrinterOptions = "-t a4\r\n-O 1cm";
    std::vector<std::string> lines = splitTextLines(parameterFileText(w, ""));
    ASSERT_EQ(lines.size(), 15u) << "a line break inside a value adds no line";
    EXPECT_EQ(lines[3], "format=LaTeX");
    EXPECT_EQ(lines[10], "printeroptions=-t a4  -O 1cm");
}

// The file trims its values: a display text of its own that starts with "@"
// after blanks must not come back as a script.
TEST(ParameterFile, ADisplayTextStartingWithAnAtSignStaysAText) {
    for (const char* text : {"@home printer", "  @home printer"}) {
        Workbench w = documentChoices();
        w.PrinterPortTXT = text;
        Workbench back;
        back.PrinterPort = "!lpr";
        takeParameterLines(splitTextLines(parameterFileText(w, "")), back);
        EXPECT_EQ(back.PrinterPortTXT, text);
        EXPECT_EQ(back.portScript, "") << text;
        EXPECT_EQ(back.PrinterPort, "!lpr") << text;
    }
}

// Lines end at LF or CR LF; a lone CR inside a line stays in it, but no
// value read keeps it, so none reaches a command or a file name.
TEST(ParameterFile, ALoneCrInsideALineIsReadAsABlank) {
    Workbench w = documentChoices();
    std::vector<std::string> lines = splitTextLines(parameterFileText(w, "/docs/a.tex"));
    lines[9] = "printerporttxt=Out\rfile.ps";
    lines[10] = "printeroptions=-t a4\r";
    Workbench back;
    takeParameterLines(lines, back);
    EXPECT_EQ(back.PrinterPortTXT, "Out file.ps");
    EXPECT_EQ(back.PrinterOptions, "-t a4");
}

TEST(ParameterFile, DamagedFilesRestoreWhatTheyHave) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        const char* format;
        const char* bibFile;
        bool devirtualize;
    };
    const Case cases[] = {
        {"value with = and blanks", {"h", "currentfilename=", "formatname= a=b ", "format=  X = Y  "}, "X = Y", "", false},
        {"empty BibTeX line", {"h", "c=", "fn=", "f=F", "v=", "vt=", "p=", "pt=", "pp=", "ppt=", "po=", "s=", "st=", "BibTeXfile=", "AlwaysDevirtualize=1"},
         "F", "", true},
        {"short file takes the flag from its last line", {"h", "c=", "fn=", "f=G", "v=1"}, "G", "", true},
        {"lines without =", {"h", "c", "fn", "f"}, "", "", false},
        {"empty file", {}, "kept", "", false},
    };
    for (const Case& c : cases) {
        Workbench w;
        w.Format = "kept";
        w.BibTeXFile = "old.bib";
        takeParameterLines(c.lines, w);
        EXPECT_EQ(w.Format, c.format) << c.name;
        EXPECT_EQ(w.BibTeXFile, c.bibFile) << c.name;
        EXPECT_EQ(w.AlwaysDevirtualize, c.devirtualize) << c.name;
    }
    Workbench w;
    takeParameterLines({"h", "currentfilename=", "formatname= a=b "}, w);
    EXPECT_EQ(w.FormatName, "a=b");
}

TEST(ParameterFile, FileDestinationTakesTheNewDocumentsName) {
    struct Case {
        const char* port;
        const char* portText;
        const char* newPort;
    };
    const Case cases[] = {
        {"/out/old.ps", "/out/old.ps", "/docs/paper.ps"},
        {"/out/old", "Print to file", "/docs/paper"},
        {"!lpr", "Default printer (lpr)", nullptr},
    };
    for (const Case& c : cases) {
        Workbench w = documentChoices();
        w.PrinterPort = c.port;
        w.PrinterPortTXT = c.portText;
        EXPECT_EQ(deriveFileDestination(w), c.newPort != nullptr) << c.port;
        EXPECT_EQ(w.PrinterPort, c.newPort ? c.newPort : c.port);
        EXPECT_EQ(w.PrinterPortTXT, c.newPort ? c.newPort : c.portText);
    }
}

struct DocumentRig {
    FakeFileSystem files;
    FakeMainWindowView view;
    Workbench w = documentChoices();
    DocumentParameters parameters {w, view, files};
    DocumentRig() {
        files.addFile("/docs/paper.tex");
        files.addFile("/docs/other.tex");
        files.addFile("/opt/orvo/US_PROJ.LST", "LaTeX\nLaTeX\n Plain TeX \n PlainTeX \n");
        w.languageFiles.projects = "/opt/orvo/US_PROJ.LST";
        w.iniDir = "/cfg/";
        w.iniName = "ORVO.INI";
    }
};

TEST(DocumentParameters, WritesOnlyForAnExistingMainFileAndTakesThePrinterOptionsField) {
    DocumentRig rig;
    rig.view.choices[ChoiceField::PrinterOptions] = "   -t letter";
    rig.parameters.write("gone.tex", "/docs/", "");
    EXPECT_EQ(rig.w.PrinterOptions, "-t letter") << "taken even when nothing is written";
    EXPECT_FALSE(rig.files.fileExists("/docs/gone.ORVOPAR"));
    rig.parameters.write("paper.tex", "/docs/", "/docs/other.tex");
    ASSERT_TRUE(rig.files.fileExists("/docs/paper.ORVOPAR"));
    EXPECT_EQ(*rig.files.readFile("/docs/paper.ORVOPAR"), parameterFileText(rig.w, "/docs/other.tex"));
    rig.files.addFile("/docs/OTHER.ORVOPAR", "old");
    rig.parameters.write("other.tex", "/docs/", "");
    EXPECT_NE(*rig.files.readFile("/docs/OTHER.ORVOPAR"), "old") << "the existing file, found in any case";
    EXPECT_FALSE(rig.files.fileExists("/docs/other.ORVOPAR"));
}

TEST(DocumentParameters, ReadingShowsTheChoicesAndLoadsTheProjectMarks) {
    DocumentRig rig;
    Workbench stored = documentChoices();
    stored.Format = "Plain TeX";
    rig.files.addFile("/docs/paper.ORVOPAR", parameterFileText(stored, "/docs/other.tex"));
    IniDocument config;
    config.writeString("OrvoProject:PlainTeX", "InputMarks", "\\input");
    config.writeString("OrvoProject:PlainTeX", "PartMarks", "\\part");
    rig.files.addFile("/cfg/ORVO.INI", config.text());
    rig.w.Format = "LaTeX";
    rig.parameters.read();
    EXPECT_EQ(rig.w.Format, "Plain TeX");
    EXPECT_EQ(rig.view.choices[ChoiceField::Format], "Plain TeX");
    EXPECT_EQ(rig.view.currentFile, "/docs/other.tex");
    EXPECT_EQ(rig.view.choices[ChoiceField::Viewer], "xdvi (.dvi)");
    EXPECT_EQ(rig.w.projectSection, "OrvoProject:PlainTeX");
    EXPECT_EQ(rig.w.projectMarks.PartMarks, "\\part;");
    EXPECT_EQ(rig.w.projectMarks.CaptionTitleMarks, "Tables;Figures;");
}

TEST(DocumentParameters, DocumentWithoutParameterFileKeepsThePreviousChoices) {
    DocumentRig rig;
    rig.w.PrinterPort = "/out/old.ps";
    rig.w.PrinterPortTXT = "/out/old.ps";
    rig.parameters.read();
    EXPECT_EQ(rig.w.Format, "pdfLaTeX (.pdf)");
    EXPECT_EQ(rig.w.PrinterPort, "/docs/paper.ps");
    EXPECT_EQ(rig.view.choices[ChoiceField::PrinterPort], "/docs/paper.ps");
    EXPECT_EQ(rig.w.projectSection, "") << "no marks until a parameter file is read";
}

}  // namespace
}  // namespace orvo
