// The shipped option, paper and magnification files: every printer of the
// printer lists has files of its own, and the switches they name are the
// ones its driver really takes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "actions/output_commands.h"
#include "core/text.h"
#include "core/workbench.h"
#include "core/printer_option_file.h"
#include "core/command_words.h"
#include "platform/fake/fake_file_system.h"
#include "tests/run_program.h"
#include "tests/shipped_data.h"
#include "tests/temp_dir.h"

namespace orvo {
namespace {

using S = PrinterSwitch;

std::vector<std::string> listedPrinters() {
    std::vector<std::string> programs;
    for (const char* list : {"US_PRN.LST", "DE_PRN.LST"}) {
        std::vector<std::string> lines = shippedLines(list);
        for (std::size_t i = 1; i < lines.size(); i += 2) programs.push_back(trim(lines[i]));
    }
    return programs;
}

TEST(ShippedPrinterFilesTest, EveryListedPrinterHasItsOwnOptionAndPaperFile) {
    std::vector<std::string> programs = listedPrinters();
    ASSERT_GE(programs.size(), 8u);
    for (const std::string& program : programs) {
        std::string name = toUpper(printerProgramName(program));
        PrinterSwitchTable table = parsePrinterOptionFile(shippedFile(name + ".OPT"));
        EXPECT_FALSE(table[S::OutputExtension].empty()) << name;
        EXPECT_TRUE(table.present(S::ToOutputFile)) << name;
        std::vector<std::string> paper = shippedLines(name + ".PAP");
        EXPECT_FALSE(paper.empty()) << name;
        EXPECT_EQ(paper.size() % 2, 0u) << name << ": paper names and options in pairs";
    }
}

TEST(ShippedPrinterFilesTest, DvipsOptNamesDvipsSwitches) {
    PrinterSwitchTable table = parsePrinterOptionFile(shippedFile("DVIPS.OPT"));
    const std::pair<S, const char*> expected[] = {
        {S::OutputExtension, "ps"}, {S::PageRange, "-pp "},   {S::FirstPage, "-p "},     {S::LastPage, "-l "},
        {S::OddPages, "-A "},       {S::EvenPages, "-B "},    {S::Collated, "-C "},      {S::CopyPage, "-c "},
        {S::CopyBody, "-b "},       {S::UseTeXNumbers, "="},  {S::ToOutputFile, "-o "},  {S::ReversePrint, "-r "},
        {S::Landscape, "-t landscape "}, {S::ManualFeed, "-m "}, {S::PrinterResolution, "-D "},
        {S::XResolution, "-X "},    {S::YResolution, "-Y "},  {S::XYOffset, "-O "},      {S::Magnification, "-x "},
        {S::DviMagnify, "-y "},     {S::StripSpace, ""},      {S::DuplexPrintOn, ""},
    };
    for (const auto& [key, value] : expected) EXPECT_EQ(table[key], value) << printerSwitchKey(key);
}

TEST(ShippedPrinterFilesTest, MagnificationsAreWholeNumbers) {
    std::vector<std::string> steps = shippedLines("MAGSTEPS.LST");
    ASSERT_FALSE(steps.empty());
    for (const std::string& step : steps) {
        EXPECT_FALSE(step.empty());
        EXPECT_EQ(step.find_first_not_of("0123456789"), std::string::npos) << step;
    }
}

bool nonEmptyFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && info.st_size > 0;
}

// Prints a small document to a file with each driver, the options written
// from its option and paper files as the printer options dialog writes them.
TEST(ShippedPrinterFilesTest, TheDriversTakeThePrintCommandsTheirFilesGive) {
    test::TempDir dir;
    dir.write("p.tex", "\\documentclass{article}\\begin{document}One\\newpage Two\\newpage Three\\end{document}\n");
    ASSERT_EQ(test::runProgram({"latex", "-interaction=nonstopmode", "p.tex"}, dir.path()).status, 0);
    struct Case {
        const char* printer;
        std::vector<std::pair<S, const char*>> options;
    };
    const Case cases[] = {
        {"dvips", {{S::PageRange, "2-3"}, {S::Landscape, ""}, {S::ReversePrint, ""}}},
        {"dvilj4", {{S::FirstPage, "2"}, {S::LastPage, "3"}, {S::Landscape, ""}}},
        {"dvilj2p", {{S::FirstPage, "1"}, {S::ReversePrint, ""}}},
        {"dvipdfmx", {{S::PageRange, "1-2"}, {S::Landscape, ""}}},
        {"dvi2tty", {{S::PageRange, "1:2"}}},
    };
    FakeFileSystem files;
    for (const Case& c : cases) {
        std::string name = toUpper(c.printer);
        files.addFile("/list/" + name + ".OPT", shippedFile(name + ".OPT"));
        Workbench w;
        w.OrvoSelectionsOptionsDir = "/list/";
        w.Printer = c.printer;
        readPrinterOptionFile(w, files);
        const PrinterSwitchTable& sw = w.printerSettings.switches;
        std::string options = shippedLines(name + ".PAP").at(1);
        for (const auto& [key, value] : c.options) {
            ASSERT_TRUE(sw.present(key)) << c.printer << " " << printerSwitchKey(key);
            options += " " + sw[key] + value;
        }
        std::string output = dir.path() + "out put-1." + sw[S::OutputExtension];
        std::string tail = printOptionTail({options, sw[S::ToOutputFile], output, sw.present(S::StripSpace)});
        std::string command = printCommand(w, tail, dir.path() + "p.dvi");
        test::ProgramRun run = test::runProgram(splitCommandLine(command), dir.path());
        // The LaserJet drivers end with status 1 after a mere warning (LaTeX's
        // PostScript header special means nothing to them).
        bool warned = run.output.find("warning") != std::string::npos;
        EXPECT_TRUE(run.status == 0 || (run.status == 1 && warned)) << command << "\n" << run.output;
        EXPECT_TRUE(nonEmptyFile(output)) << command << "\n" << run.output;
    }
}

}  // namespace
}  // namespace orvo
