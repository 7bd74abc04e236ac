#pragma once
// The printer's option file tells the workbench which switch text of the
// printer driver stands for which feature. Its 26 values stay in the
// workbench state from one reading to the next; the print action and the
// printer options dialog read them.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvo {

// The keys of an option file, in the order lines are tested against them.
enum class PrinterSwitch : std::size_t {
    OutputExtension,
    PageRange,
    FirstPage,
    LastPage,
    OddPages,
    EvenPages,
    Collated,
    CopyPage,
    CopyBody,
    UseTeXNumbers,
    ToOutputFile,
    ReversePrint,
    DuplexPrintOn,
    DuplexPrintOff,
    Landscape,
    ManualFeed,
    PrinterResolution,
    XResolution,
    YResolution,
    XYOffset,
    XOffset,
    YOffset,
    Magnification,
    DviMagnify,
    StripSpace,
    ManPage,
};
inline constexpr std::size_t kPrinterSwitchCount = 26;

// The key as the option file spells it ("OUTPUTEXTENSION", "PAGERANGE" ...).
std::string_view printerSwitchKey(PrinterSwitch which);

// The stored values. Every value but OUTPUTEXTENSION's and USETEXNUMBERS's
// carries one trailing blank, so a switch and its value join by plain
// concatenation; a key no line sets is empty.
class PrinterSwitchTable {
public:
    const std::string& operator[](PrinterSwitch which) const { return values_[std::size_t(which)]; }
    std::string& operator[](PrinterSwitch which) { return values_[std::size_t(which)]; }
    // The key has a value other than blanks.
    bool present(PrinterSwitch which) const;

private:
    std::array<std::string, kPrinterSwitchCount> values_ {};
};

// What the workbench keeps of the printer's options between the reading of
// the option file, the printer options dialog and the print action.
struct PrinterSettings {
    PrinterSwitchTable switches;
    std::string manualPage;  // the printer's manual page file
    std::string paperOption;
    std::string previousPaperOption;
    int printRepetitions = 1;  // how often the print action issues its command
    bool copiesByRepetition = false;
};

}  // namespace orvo
