#pragma once
// Reading the printer's option file (the printer's own PROGRAM.OPT in the
// list folder, else DVIPS.OPT): which switch text of the printer driver
// stands for which feature.
#include <string>
#include <string_view>

#include "core/printer_settings.h"

namespace orvo {

class FileSystem;
struct Workbench;

// The table an option file's text gives. A line sets each key whose name its
// upper-case form contains anywhere, to the text after its first "=" (the
// whole line without one), trimmed; a later line wins.
PrinterSwitchTable parsePrinterOptionFile(std::string_view text);

// The program a `Printer` entry names: its first word after the "&4DOS" and
// "&NOREDIR" markers, without folder and extension ("&4DOS dvilj4.BTM" gives
// "dvilj4").
std::string printerProgramName(std::string_view printer);

// The option file of the chosen printer: `OrvoSelectionsOptionsDir` +
// program + ".OPT" when it exists (in any case), else DVIPS.OPT there.
std::string printerOptionFilePath(const Workbench& workbench, const FileSystem& files);

// Reads the option file of `Printer` into the workbench state: all 26 values
// anew, and the printer's manual page. An option file that cannot be read
// leaves every value empty.
void readPrinterOptionFile(Workbench& workbench, const FileSystem& files);

}  // namespace orvo
