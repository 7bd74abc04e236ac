#include "core/printer_settings.h"

#include "core/text.h"

namespace orvo {
namespace {

constexpr std::array<std::string_view, kPrinterSwitchCount> kKeys = {
    "OUTPUTEXTENSION", "PAGERANGE",     "FIRSTPAGE",  "LASTPAGE",          "ODDPAGES",    "EVENPAGES",
    "COLLATED",        "COPYPAGE",      "COPYBODY",   "USETEXNUMBERS",     "TOOUTPUTFILE", "REVERSEPRINT",
    "DUPLEXPRINTON",   "DUPLEXPRINTOFF", "LANDSCAPE", "MANUALFEED",        "PRINTERRESOLUTION",
    "XRESOLUTION",     "YRESOLUTION",   "XYOFFSET",   "XOFFSET",           "YOFFSET",     "MAGNIFICATION",
    "DVIMAGNIFY",      "STRIPSPACE",    "MANPAGE",
};

}  // namespace

std::string_view printerSwitchKey(PrinterSwitch which) { return kKeys[std::size_t(which)]; }

bool PrinterSwitchTable::present(PrinterSwitch which) const { return !trim((*this)[which]).empty(); }

}  // namespace orvo
