#include "core/parameter_file.h"

#include <array>

#include "core/path_names.h"
#include "core/port_script.h"
#include "core/text.h"
#include "core/workbench.h"

namespace orvo {
namespace {

// Lines 2 to 13: the key written for the reader's benefit and the value.
struct ParameterLine {
    const char* key;
    std::string Workbench::*value;
};

constexpr std::array<ParameterLine, 11> kPlainLines = {{
    {"formatname", &Workbench::FormatName},
    {"format", &Workbench::Format},
    {"viewer", &Workbench::Viewer},
    {"viewertxt", &Workbench::ViewerTXT},
    {"printer", &Workbench::Printer},
    {"printertxt", &Workbench::PrinterTXT},
    {"printerport", &Workbench::PrinterPort},
    {nullptr, nullptr},  // line 10: printerporttxt, with the port-script prefix
    {"printeroptions", &Workbench::PrinterOptions},
    {"spelllanguage", &Workbench::SpellLanguage},
    {"spelllanguagetext", &Workbench::SpellLanguageText},
}};

// A value fit for one line: no surrounding blanks and no line breaks.
std::string oneLine(std::string_view value) { return trim(withoutLineBreaks(value)); }

// A lone CR inside a line is no line break to the line splitter, but the
// value must still be one line: it is read as the writer writes it.
std::string afterEquals(const std::string& line) {
    std::size_t equals = line.find('=');
    return equals == std::string::npos ? std::string() : oneLine(std::string_view(line).substr(equals + 1));
}

}  // namespace

std::string parameterFilePath(const std::string& mainPath, const std::string& mainFileName) {
    return mainPath + baseName(mainFileName) + ".ORVOPAR";
}

std::string parameterFileText(const Workbench& w, const std::string& currentFile) {
    std::string text = std::string(kParameterFileHeader) + "\r\n";
    auto line = [&text](const char* key, std::string_view value) { text += key + ("=" + oneLine(value)) + "\r\n"; };
    line("currentfilename", currentFile);
    for (const ParameterLine& entry : kPlainLines) {
        if (entry.key) line(entry.key, w.*entry.value);
        else line("printerporttxt", encodePortText(w.portScript, w.PrinterPortTXT));
    }
    line("BibTeXfile", w.bibTeXPath + w.BibTeXFile);
    line("AlwaysDevirtualize", w.AlwaysDevirtualize ? "1" : "0");
    return text;
}

void takeParameterLines(const std::vector<std::string>& lines, Workbench& w) {
    w.BibTeXFile.clear();
    w.bibTeXPath.clear();
    w.portScript.clear();
    std::size_t count = std::min<std::size_t>(lines.size(), kParameterFileLines);
    if (count >= 2) w.CurrentFileName = afterEquals(lines[1]);
    for (std::size_t i = 0; i < kPlainLines.size() && i + 2 < count; ++i) {
        const ParameterLine& entry = kPlainLines[i];
        if (entry.key) w.*entry.value = afterEquals(lines[i + 2]);
        else takeStoredPortText(w, afterEquals(lines[i + 2]));
    }
    if (count >= 14) {
        std::string database = afterEquals(lines[13]);
        if (!database.empty()) {
            w.bibTeXPath = folderOf(database);
            w.BibTeXFile = fileNameOf(database);
        }
    }
    // A file cut short gives the flag from the last line it has.
    if (count >= 1) w.AlwaysDevirtualize = afterEquals(lines[count - 1]) == "1";
}

bool deriveFileDestination(Workbench& w) {
    // A destination holding a folder is a file the driver writes into.
    if (w.PrinterPort.find('/') == std::string::npos) return false;
    std::string extension = extensionOf(w.PrinterPortTXT);
    w.PrinterPort = baseName(w.mainPath + w.MainFileName) + extension;
    w.PrinterPortTXT = w.PrinterPort;
    return true;
}

}  // namespace orvo
