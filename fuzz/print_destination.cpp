// The print destination: a destination text (PrinterPort), the file of the
// destination script it names, and the display text (PrinterPortTXT), as
// NUL-separated parts. The redirection runs the script in the console and
// takes the destination its first line names; the port script it keeps is
// then stored with the display text in ConfigFile and in the parameter file.
// - The destination taken holds no line break and no half character.
// - Read back from either file, the display text is the one stored (but for
//   blanks at its ends in the parameter file), and the port script is the one
//   stored or none:
//   never another script, never part of the text.
#include <string>
#include <vector>

#include "actions/print_destination.h"
#include "core/config_keys.h"
#include "core/ini_document.h"
#include "core/parameter_file.h"
#include "core/port_script.h"
#include "core/text.h"
#include "core/text_decoding.h"
#include "core/workbench.h"
#include "fuzz/fuzz_input.h"
#include "tests/launcher_rig.h"

namespace orvo {
namespace {

using fuzz::check;

void checkReadBack(const Workbench& stored, const Workbench& read, bool trimmed, const char* file) {
    if (trimmed) check(trim(read.PrinterPortTXT) == trim(stored.PrinterPortTXT), file, stored.PrinterPortTXT);
    else check(read.PrinterPortTXT == stored.PrinterPortTXT, file, stored.PrinterPortTXT);
    check(read.portScript.empty() || read.portScript == stored.portScript, file, stored.portScript);
    if (read.portScriptRead) check(read.PrinterPort == read.portScript, file, read.PrinterPort);
    else check(read.PrinterPort == stored.PrinterPort, file, read.PrinterPort);
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 3);
    test::LauncherRig rig;
    Workbench& w = rig.workbench;
    w.OrvoBTMDir = "/opt/orvo/";
    w.OrvoSelectionsOptionsDir = "/opt/orvo/lists/";
    w.Web2cBINDir = "/usr/bin/";
    w.FourDosProgram = "/opt/orvo/orvocmd";
    w.mainPath = "/home/u/";
    w.MainFileName = "paper.tex";
    // Both come from lines of a file or a list; short enough for any value.
    w.PrinterPort = withoutLineBreaks(fuzz::part(parts, 0).substr(0, 512));
    w.PrinterPortTXT = withoutLineBreaks(fuzz::part(parts, 2).substr(0, 512));

    std::string script = destinationScriptPath(w);
    if (!script.empty() && script.back() != '/') rig.files.addFile(script, fuzz::part(parts, 1));
    redirectPrintDestination(w, {rig.files, rig.launcher, &rig.console});
    check(w.PrinterPort.find_first_of("\r\n") == std::string::npos, "the destination is one line", w.PrinterPort);
    if (isValidUtf8(fuzz::part(parts, 1)) && isValidUtf8(fuzz::part(parts, 0)))
        check(isValidUtf8(w.PrinterPort), "the destination keeps whole characters", w.PrinterPort);

    IniDocument config;
    config.writeString(key::PrinterPort.section, key::PrinterPort.name, w.PrinterPort);
    config.writeString(key::PrinterPortTXT.section, key::PrinterPortTXT.name,
                       encodePortText(w.portScript, w.PrinterPortTXT));
    Workbench fromConfig;
    fromConfig.PrinterPort = config.readString(key::PrinterPort.section, key::PrinterPort.name, "");
    takeStoredPortText(fromConfig, config.readString(key::PrinterPortTXT.section, key::PrinterPortTXT.name, ""));
    checkReadBack(w, fromConfig, false, "ConfigFile keeps the port text");

    Workbench fromParameters;
    takeParameterLines(splitTextLines(parameterFileText(w, "")), fromParameters);
    Workbench trimmedPort = w;
    trimmedPort.PrinterPort = trim(w.PrinterPort);
    checkReadBack(trimmedPort, fromParameters, true, "the parameter file keeps the port text");
    return 0;
}
