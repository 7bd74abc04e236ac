#include "core/port_script.h"

#include "core/text.h"
#include "core/workbench.h"

namespace orvo {

PortText decodePortText(std::string_view stored) {
    if (stored.empty() || stored.front() != '@') return {{}, std::string(stored)};
    std::string_view rest = stored.substr(1);
    std::size_t at = rest.find('@');
    // Without a closing "@" the whole rest names the script and the text is empty.
    if (at == std::string_view::npos) return {std::string(rest), {}};
    return {std::string(rest.substr(0, at)), std::string(rest.substr(at + 1))};
}

std::string encodePortText(std::string_view script, std::string_view text) {
    bool keepsScript = !script.empty() && script.find('@') == std::string_view::npos;
    if (keepsScript) return "@" + std::string(script) + "@" + std::string(text);
    if (startsWith(trimLeft(text), "@")) return "@@" + std::string(text);
    return std::string(text);
}

void takeStoredPortText(Workbench& w, std::string_view stored) {
    PortText decoded = decodePortText(stored);
    w.portScriptRead = !decoded.script.empty();
    w.PrinterPortTXT = decoded.text;
    if (w.portScriptRead) {
        w.portScript = decoded.script;
        w.PrinterPort = decoded.script;
    }
}

}  // namespace orvo
