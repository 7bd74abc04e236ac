// Command templates: the "&" placeholders, the "&4DOS" and "&NOREDIR"
// markers, the "&web2cbin" prefixes, destination placeholders and one-value
// "$" texts. The input is the template, then NUL-separated values.
// - Inserted values reach the command whole: a template that is a single
//   placeholder gives the value itself, whatever it holds.
// - With values free of "&", no "&" is left in an expanded template, and a
//   template without "&" comes back unchanged.
// - A prefix that is not there changes nothing; a one-value text without
//   "$" stays as it is, and with one keeps its text before the "$".
#include <string>
#include <vector>

#include "core/command_markers.h"
#include "core/one_value_template.h"
#include "core/text.h"
#include "fuzz/fuzz_input.h"
#include "jobs/templates.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    using fuzz::check;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 8);
    const std::string text(parts[0]);
    TemplateValues values;
    values.mainPath = fuzz::part(parts, 1);
    values.mainFileName = fuzz::part(parts, 2);
    values.currentFileName = fuzz::part(parts, 3);
    values.spellLanguage = fuzz::part(parts, 4);
    values.orvoLanguage = "DE";
    values.windowLeft = -12;
    values.windowTop = 40;
    values.orvoBTMDir = fuzz::part(parts, 5);
    values.spellFile = "\"/home/u/spell list.txt\"";
    values.iniDir = "/home/u/.config/orvo/";
    values.iniName = "ORVO.INI";
    values.web2cBINDir = fuzz::part(parts, 6);
    const std::string extra = fuzz::part(parts, 7);

    std::string expanded = expandTemplate(text, values);
    check(expandTemplate("&mainpath", values) == values.mainPath, "a value is inserted whole", values.mainPath);
    check(expandTemplate("&WEB2CBIN", values) == values.web2cBINDir, "a value is inserted whole", values.web2cBINDir);
    if (!values.currentFileName.empty()) {
        check(expandTemplate("&current", values) == values.currentFileName, "a value is inserted whole",
              values.currentFileName);
    }
    bool valuesWithoutAmpersand = true;
    for (std::size_t i = 1; i < parts.size() && i < 7; ++i) {
        valuesWithoutAmpersand = valuesWithoutAmpersand && parts[i].find('&') == std::string_view::npos;
    }
    if (valuesWithoutAmpersand) check(expanded.find('&') == std::string::npos, "no \"&\" is left", expanded);
    if (text.find('&') == std::string::npos) check(expanded == text, "a plain template is unchanged", expanded);

    std::string format = expandFormatWeb2cPrefix(text, values.web2cBINDir);
    if (!startsWithIgnoringCase(trim(text), "&web2cbin")) check(format == trim(text), "no prefix, no change", format);
    std::string utility = expandUtilityWeb2cPrefix(text, values.web2cBINDir);
    if (!startsWith(text, "&WEB2CBIN")) check(utility == text, "no prefix, no change", utility);
    expandDestinationPlaceholders(text, values.orvoBTMDir, values.web2cBINDir, extra);

    std::string filled = fillOneValueTemplate(text, extra);
    std::size_t dollar = text.find('$');
    if (dollar == std::string::npos) {
        check(filled == text, "no \"$\", no change", filled);
    } else {
        check(startsWith(filled, text.substr(0, dollar) + extra), "the value follows the text before \"$\"", filled);
    }

    MarkedTemplate marked = takeMarkers(text);
    check(marked.fourDos == hasFourDosMarker(text), "the marker is seen where it is", text);
    check(marked.text == trim(marked.text), "a template's text is trimmed", marked.text);
    if (!marked.fourDos && !marked.noRedir) check(marked.text == trim(text), "no marker, no change", marked.text);
    stripFourDosAndNoRedir(text);
    return 0;
}
