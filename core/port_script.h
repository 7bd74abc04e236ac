#pragma once
// A print destination produced by a destination script keeps the script's
// name inside its display text: "@" + script + "@" + display text. The
// first "@" after the leading one ends the script's name, so a name holding
// "@" cannot be kept this way, and a display text of its own that starts
// with "@" (after blanks, which a parameter file drops) is stored behind an
// empty prefix, "@@", so that it never reads as a script.
#include <string>
#include <string_view>

namespace orvo {

struct PortText {
    std::string script;  // empty when the text carried no prefix
    std::string text;    // the display text without the prefix
};

PortText decodePortText(std::string_view stored);
// A script whose name holds "@" is left out: the text is stored alone, and
// the destination it resolved stays, but the script is not run again when
// the text is read.
std::string encodePortText(std::string_view script, std::string_view text);

struct Workbench;
// Takes a stored `PrinterPortTXT`: with a prefix naming a script, the script
// becomes the port script and the print destination as well; an empty
// prefix leaves both alone.
void takeStoredPortText(Workbench& workbench, std::string_view stored);

}  // namespace orvo
