#include "core/printer_option_file.h"

#include "core/command_markers.h"
#include "core/command_words.h"
#include "core/file_lookup.h"
#include "core/path_names.h"
#include "core/text.h"
#include "core/workbench.h"
#include "platform/file_system.h"

namespace orvo {
namespace {

constexpr std::string_view kDefaultProgram = "DVIPS";

// Keys whose values are used as they are, not as switches.
bool storedAsRead(PrinterSwitch which) {
    return which == PrinterSwitch::OutputExtension || which == PrinterSwitch::UseTeXNumbers;
}

std::string lineValue(std::string_view line) {
    std::size_t equals = line.find('=');
    return trim(equals == std::string_view::npos ? line : line.substr(equals + 1));
}

// `folder` + `name` + `extension` when such a file exists in any case, else
// the same for the DVIPS default (in any case too).
std::string printerFile(const FileSystem& files, const std::string& folder, const std::string& program,
                        const std::string& extension) {
    if (!program.empty()) {
        if (auto found = findFileIgnoringCase(files, folder + program + extension)) return *found;
    }
    return existingOrDerivedName(files, folder + std::string(kDefaultProgram) + extension);
}

std::string manualPage(const Workbench& w, const FileSystem& files, const std::string& program) {
    std::string named = trim(w.printerSettings.switches[PrinterSwitch::ManPage]);
    if (!named.empty()) return folderOf(named).empty() ? w.ManualPageDir + named : named;
    return printerFile(files, w.ManualPageDir, program, ".PS");
}

}  // namespace

PrinterSwitchTable parsePrinterOptionFile(std::string_view text) {
    PrinterSwitchTable table;
    for (std::string line : split(text, '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string upper = toUpper(line);
        for (std::size_t i = 0; i < kPrinterSwitchCount; ++i) {
            if (upper.find(printerSwitchKey(PrinterSwitch(i))) == std::string::npos) continue;
            auto which = PrinterSwitch(i);
            std::string value = lineValue(line);
            table[which] = storedAsRead(which) ? value : value + " ";
        }
    }
    return table;
}

std::string printerProgramName(std::string_view printer) {
    std::string command = stripFourDosAndNoRedir(printer);
    std::vector<std::string> words = splitCommandLine(command);
    return words.empty() ? std::string() : baseName(fileNameOf(words.front()));
}

std::string printerOptionFilePath(const Workbench& w, const FileSystem& files) {
    return printerFile(files, w.OrvoSelectionsOptionsDir, printerProgramName(w.Printer), ".OPT");
}

void readPrinterOptionFile(Workbench& w, const FileSystem& files) {
    PrinterSettings& settings = w.printerSettings;
    std::optional<std::string> text = files.readFile(printerOptionFilePath(w, files));
    settings.switches = parsePrinterOptionFile(text.value_or(std::string()));
    settings.manualPage = manualPage(w, files, printerProgramName(w.Printer));
}

}  // namespace orvo
