// The printer's option file and the Printer entry that names it: the input
// is the file's text, then after a NUL the entry ("&4DOS dvilj4.BTM").
// - Every value is one line; each switch value ends in the blank that joins
//   it to its argument, the two values used as they are do not.
// - The program an entry names has no folder and no extension, and its
//   option file is the one read; a value with blanks only is not present.
#include <string>
#include <vector>

#include "core/path_names.h"
#include "core/printer_option_file.h"
#include "core/text.h"
#include "core/workbench.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    using fuzz::check;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 2);
    const std::string text(parts[0]);
    PrinterSwitchTable table = parsePrinterOptionFile(text);
    for (std::size_t i = 0; i < kPrinterSwitchCount; ++i) {
        auto which = PrinterSwitch(i);
        const std::string& value = table[which];
        check(value.find('\n') == std::string::npos, "a value is one line", value);
        bool asRead = which == PrinterSwitch::OutputExtension || which == PrinterSwitch::UseTeXNumbers;
        if (!asRead && !value.empty()) check(value.back() == ' ', "a switch ends in its blank", value);
        if (table.present(which)) check(!trim(value).empty(), "a present value is more than blanks", value);
    }

    Workbench w;
    w.OrvoSelectionsOptionsDir = "/opt/orvo/";
    w.ManualPageDir = "/opt/orvo/man/";
    w.Printer = fuzz::part(parts, 1);
    std::string program = printerProgramName(w.Printer);
    check(folderOf(program).empty(), "the program has no folder", program);
    FakeFileSystem files;
    files.addFile(w.OrvoSelectionsOptionsDir + (program.empty() ? "DVIPS" : program) + ".OPT", text);
    check(files.fileExists(printerOptionFilePath(w, files)), "the option file found is there");
    readPrinterOptionFile(w, files);
    for (std::size_t i = 0; i < kPrinterSwitchCount; ++i) {
        check(w.printerSettings.switches[PrinterSwitch(i)] == table[PrinterSwitch(i)], "the file read is the one named",
              program);
    }
    check(!w.printerSettings.manualPage.empty(), "the printer has a manual page");
    return 0;
}
