#include "jobs/templates.h"

#include <utility>
#include <vector>

#include "core/path_names.h"
#include "core/text.h"

namespace orvo {
namespace {

constexpr std::string_view kWeb2cBin = "&WEB2CBIN";

// A stretch of the text being expanded: either the template's own text, which
// later placeholders are searched in, or a value already inserted.
struct Piece {
    std::string text;
    bool inserted = false;
};

// Every occurrence of `placeholder` in the template's own pieces, leftmost
// first, the search going on after each match.
void replaceInTemplateText(std::vector<Piece>& pieces, std::string_view placeholder, const std::string& value) {
    std::vector<Piece> result;
    for (Piece& piece : pieces) {
        if (piece.inserted) {
            result.push_back(std::move(piece));
            continue;
        }
        std::size_t start = 0;
        for (std::size_t at; (at = piece.text.find(placeholder, start)) != std::string::npos;
             start = at + placeholder.size()) {
            result.push_back({piece.text.substr(start, at - start), false});
            result.push_back({value, true});
        }
        result.push_back({piece.text.substr(start), false});
    }
    pieces = std::move(result);
}

std::string replaceFirst(std::string_view text, std::string_view from, std::string_view to) {
    std::string result(text);
    std::size_t at = result.find(from);
    if (at != std::string::npos) result.replace(at, from.size(), to);
    return result;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Joins the folder and the rest of the command. Only the program word is
// cleaned of doubled '/': its arguments may hold "//" that mean something
// (kpathsea's recursive path elements, addresses).
std::string joinWeb2cFolder(std::string_view web2cBINDir, std::string_view rest) {
    std::string joined = std::string(web2cBINDir) + std::string(rest);
    std::size_t end = web2cBINDir.size();
    while (end < joined.size() && !isBlank(joined[end])) ++end;
    return collapseDoubledSlashes(std::string_view(joined).substr(0, end)) + joined.substr(end);
}

}  // namespace

std::string expandTemplate(std::string_view text, const TemplateValues& values) {
    std::vector<Piece> pieces{{std::string(text), false}};
    auto replace = [&pieces](std::string_view placeholder, const std::string& value) {
        replaceInTemplateText(pieces, placeholder, value);
    };
    // Longer placeholders of a family come first: "&mainpath" is not "&main" + "path".
    replace("&mainpath", values.mainPath);
    replace("&mainfile", baseName(fileNameOf(values.mainFileName)));
    replace("&mainext", extensionOf(values.mainFileName));
    replace("&main", values.mainPath + values.mainFileName);
    replace("&lang", toUpper(values.spellLanguage));
    replace("&OrvoLanguage", values.orvoLanguage);
    replace("&x", std::to_string(values.windowLeft));
    replace("&y", std::to_string(values.windowTop));
    replace("&OrvoBTMDir", values.orvoBTMDir);
    replace("&spellfile", values.spellFile);
    replace("&inifile", values.iniDir + values.iniName);
    replace("&WEB2CBIN", values.web2cBINDir);
    // Without a current file these stay and end up as bare words.
    if (!values.currentFileName.empty()) {
        replace("&currentpath", folderOf(values.currentFileName));
        replace("&currentfile", baseName(values.currentFileName));
        replace("&currentext", extensionOf(values.currentFileName));
        replace("&current", values.currentFileName);
    }
    std::string result;
    for (const Piece& piece : pieces) {
        result += piece.inserted ? piece.text : replaceAll(piece.text, "&", "");
    }
    return result;
}

std::string expandFormatWeb2cPrefix(std::string_view command, std::string_view web2cBINDir) {
    std::string trimmed = trim(command);
    if (!startsWithIgnoringCase(trimmed, kWeb2cBin)) return trimmed;
    return joinWeb2cFolder(web2cBINDir, std::string_view(trimmed).substr(kWeb2cBin.size()));
}

std::string expandUtilityWeb2cPrefix(std::string_view command, std::string_view web2cBINDir) {
    if (!startsWith(command, kWeb2cBin)) return std::string(command);
    // The folder keeps its case: file names on this system are case-sensitive.
    return joinWeb2cFolder(web2cBINDir, command.substr(kWeb2cBin.size()));
}

std::string expandDestinationPlaceholders(std::string_view destination, std::string_view orvoBTMDir,
                                          std::string_view web2cBINDir,
                                          std::string_view orvoSelectionsOptionsDir) {
    std::string result = replaceFirst(destination, "&ORVOBTMDIR", orvoBTMDir);
    result = replaceFirst(result, kWeb2cBin, web2cBINDir);
    return replaceFirst(result, "&ORVOSELECTIONSOPTIONSDIR", orvoSelectionsOptionsDir);
}

}  // namespace orvo
