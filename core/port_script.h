#pragma once
// A print destination produced by a destination script keeps the script's
// name inside its display text: "@" + script + "@" + display text.
#include <string>
#include <string_view>

namespace orvo {

struct PortText {
    std::string script;  // empty when the text carried no prefix
    std::string text;    // the display text without the prefix
};

PortText decodePortText(std::string_view stored);
std::string encodePortText(std::string_view script, std::string_view text);

struct Workbench;
// Takes a stored `PrinterPortTXT`: with the prefix, its script becomes the
// port script and the print destination as well.
void takeStoredPortText(Workbench& workbench, std::string_view stored);

}  // namespace orvo
