#pragma once
// The template language of command entries: "&" placeholders, the "&4DOS" and
// "&NOREDIR" markers, the "&web2cbin" prefix, print-destination folders and
// one-value "$s" texts (the markers, one-value texts and file-name pieces
// live in core, where the lower layers use them too). Pure text functions: nothing here touches the file
// system or starts anything. Folders end in '/'.
#include <string>
#include <string_view>


namespace orvo {

// What template expansion reads from the workbench state.
struct TemplateValues {
    std::string mainPath;         // folder of the main file, ending in '/'; empty without one
    std::string mainFileName;     // name.ext, no folder
    std::string currentFileName;  // full path, or empty
    std::string spellLanguage;
    std::string orvoLanguage;
    int windowLeft = 0;
    int windowTop = 0;
    std::string orvoBTMDir;
    std::string spellFile;  // already quoted by the spell-check action
    std::string iniDir;
    std::string iniName;
    std::string web2cBINDir;
};

// Replaces the placeholders ("&mainpath", "&mainfile", "&mainext", "&main",
// "&lang", "&OrvoLanguage", "&x", "&y", "&OrvoBTMDir", "&spellfile",
// "&inifile", "&WEB2CBIN", and with a current file "&currentpath",
// "&currentfile", "&currentext", "&current"), exact case, in that order, each
// at every occurrence; then deletes every "&" left in the template's own text.
// Inserted values are taken as they are: they are neither searched for
// placeholders nor lose their "&", so a folder such as "/r&d/" reaches the
// program unchanged.
std::string expandTemplate(std::string_view text, const TemplateValues& values);

// A format command, trimmed; a leading "&web2cbin" in any case becomes
// `web2cBINDir`.
std::string expandFormatWeb2cPrefix(std::string_view command, std::string_view web2cBINDir);
// A utility command; only an exact "&WEB2CBIN" at its first character becomes
// `web2cBINDir`, other commands are returned unchanged.
std::string expandUtilityWeb2cPrefix(std::string_view command, std::string_view web2cBINDir);

// "&ORVOBTMDIR", "&WEB2CBIN" and "&ORVOSELECTIONSOPTIONSDIR" in a print
// destination, exact case, each at its first occurrence only, in that order.
std::string expandDestinationPlaceholders(std::string_view destination, std::string_view orvoBTMDir,
                                          std::string_view web2cBINDir,
                                          std::string_view orvoSelectionsOptionsDir);

}  // namespace orvo
