#include "core/printer_option_file.h"

#include <gtest/gtest.h>

#include "core/workbench.h"
#include "platform/fake/fake_file_system.h"
#include "tests/shipped_data.h"

namespace orvo {
namespace {

using S = PrinterSwitch;

TEST(PrinterSwitchesTest, LinesSetEveryKeyTheyContain) {
    struct Case {
        const char* name;
        const char* text;
        S key;
        const char* stored;
    };
    const Case cases[] = {
        {"a switch keeps one blank", "PAGERANGE=-r", S::PageRange, "-r "},
        {"value trimmed, key in any case", "  pagerange  =  -pp  ", S::PageRange, "-pp "},
        {"the extension is stored as read", "OUTPUTEXTENSION=ps", S::OutputExtension, "ps"},
        {"the page prefix is stored as read", "USETEXNUMBERS==", S::UseTeXNumbers, "="},
        {"only the first = separates", "TOOUTPUTFILE=-o=x", S::ToOutputFile, "-o=x "},
        {"a line without = is its own value", "MANUALFEED", S::ManualFeed, "MANUALFEED "},
        {"an empty value is one blank", "LANDSCAPE=", S::Landscape, " "},
        {"CR LF lines", "FIRSTPAGE=-p\r\nLASTPAGE=-l\r\n", S::FirstPage, "-p "},
        {"XYOFFSET also sets YOFFSET", "XYOFFSET=-O", S::YOffset, "-O "},
        {"a later YOFFSET line wins", "XYOFFSET=-O\nYOFFSET=-y", S::YOffset, "-y "},
        {"and leaves XYOFFSET", "XYOFFSET=-O\nYOFFSET=-y", S::XYOffset, "-O "},
        {"a later line overrides", "COPYPAGE=-c\nCOPYPAGE=-n", S::CopyPage, "-n "},
        {"a key no line sets is empty", "PAGERANGE=-r", S::LastPage, ""},
        {"duplex on is not set by duplex off", "DUPLEXPRINTOFF=-D0", S::DuplexPrintOn, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parsePrinterOptionFile(c.text)[c.key], c.stored) << c.name;
    }
}

TEST(PrinterSwitchesTest, PresenceLooksAtTheTrimmedValue) {
    PrinterSwitchTable table = parsePrinterOptionFile("LANDSCAPE=\nREVERSEPRINT=-r");
    EXPECT_FALSE(table.present(S::Landscape));
    EXPECT_TRUE(table.present(S::ReversePrint));
    EXPECT_FALSE(table.present(S::ManualFeed));
    EXPECT_EQ(printerSwitchKey(S::ManPage), "MANPAGE");
    EXPECT_EQ(printerSwitchKey(S::DviMagnify), "DVIMAGNIFY");
}

TEST(PrinterSwitchesTest, TheProgramNameIsTheFirstWordWithoutMarkersFolderAndExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"dvips", "dvips"},
        {"&4DOS DVILJ4.BTM", "DVILJ4"},
        {"&NOREDIR dvips -Pcmz", "dvips"},
        {"&4DOS &NOREDIR /usr/bin/dvipdfmx -q", "dvipdfmx"},
        {"\"/opt/my tools/dvilj4.sh\" -x", "dvilj4"},
        {"", ""},
    };
    for (const auto& [printer, program] : cases) EXPECT_EQ(printerProgramName(printer), program) << printer;
}

class PrinterOptionFileTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    Workbench workbench;

    PrinterOptionFileTest() {
        workbench.OrvoSelectionsOptionsDir = "/opt/orvo/";
        workbench.ManualPageDir = "/man/";
        files.addFile("/opt/orvo/DVIPS.OPT", "TOOUTPUTFILE=-o\nPAGERANGE=-pp\n");
        files.addFile("/opt/orvo/DVILJ4.OPT", "TOOUTPUTFILE=-e\nSTRIPSPACE=1\n");
        files.addFile("/man/DVIPS.PS");
    }
    const std::string& value(S key) const { return workbench.printerSettings.switches[key]; }
};

TEST_F(PrinterOptionFileTest, ThePrintersOwnFileIsFoundInAnyCase) {
    workbench.Printer = "&4DOS dvilj4";
    readPrinterOptionFile(workbench, files);
    EXPECT_EQ(value(S::ToOutputFile), "-e ");
    EXPECT_EQ(value(S::StripSpace), "1 ");
    EXPECT_EQ(value(S::PageRange), "") << "nothing of an earlier or other file";
    EXPECT_EQ(workbench.printerSettings.manualPage, "/man/DVIPS.PS");
}

TEST_F(PrinterOptionFileTest, WithoutItDvipsOptStandsInAndEachReadingStartsAfresh) {
    workbench.Printer = "dvilj4";
    readPrinterOptionFile(workbench, files);
    workbench.Printer = "dvi2tty";
    readPrinterOptionFile(workbench, files);
    EXPECT_EQ(printerOptionFilePath(workbench, files), "/opt/orvo/DVIPS.OPT");
    EXPECT_EQ(value(S::ToOutputFile), "-o ");
    EXPECT_EQ(value(S::StripSpace), "");
}

TEST_F(PrinterOptionFileTest, AMissingFileLeavesEveryValueEmpty) {
    files.files.clear();
    workbench.Printer = "dvips";
    workbench.printerSettings.switches[S::ToOutputFile] = "-o ";
    readPrinterOptionFile(workbench, files);
    EXPECT_EQ(value(S::ToOutputFile), "");
}

TEST_F(PrinterOptionFileTest, TheManualPage) {
    struct Case {
        const char* name;
        const char* manPageLine;
        const char* printer;
        const char* page;
    };
    files.addFile("/man/dvilj4.ps");
    const Case cases[] = {
        {"named without folder", "MANPAGE= dvips.pdf ", "dvips", "/man/dvips.pdf"},
        {"named with a folder", "MANPAGE=/doc/dvips.pdf", "dvips", "/doc/dvips.pdf"},
        {"the printer's own, any case", "", "dvilj4", "/man/dvilj4.ps"},
        {"else the dvips one", "", "dvipdfmx", "/man/DVIPS.PS"},
    };
    for (const Case& c : cases) {
        files.addFile("/opt/orvo/DVIPS.OPT", c.manPageLine);
        workbench.Printer = c.printer;
        readPrinterOptionFile(workbench, files);
        EXPECT_EQ(workbench.printerSettings.manualPage, c.page) << c.name;
    }
}

}  // namespace
}  // namespace orvo
