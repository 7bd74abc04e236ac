#pragma once
// The template language of command entries: "&" placeholders, the "&4DOS" and
// "&NOREDIR" markers, the "&web2cbin" prefix, print-destination folders and
// one-value "$s" texts; plus the file-name pieces every job derives its
// sibling names from. Pure text functions: nothing here touches the file
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

// "&4DOS", any case: the command must go through the command processor.
bool hasFourDosMarker(std::string_view command);
// Everything after the marker, trimmed (text before it is dropped too);
// without the marker the command unchanged.
std::string stripFourDosMarker(std::string_view command);

// "&NOREDIR", any case: run through the command processor, never captured.
bool hasNoRedirMarker(std::string_view command);
// As the run operation starts it: the marker and the blank after it removed,
// the rest (including text before the marker) trimmed. A character after the
// marker that is not a blank stays, so "&NOREDIRdvips" still runs dvips.
// Without the marker the command unchanged.
std::string stripNoRedirMarker(std::string_view command);
// As the printer options reader names the program: the "&4DOS" strip, then,
// when the command holds "&NOREDIR", only what follows that marker, trimmed.
std::string stripFourDosAndNoRedir(std::string_view command);

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

// The first "$" and the character after it (if any) replaced by `value`;
// later "$" signs stay. A template without "$" is returned unchanged.
std::string fillOneValueTemplate(std::string_view templateText, std::string_view value);

// The name without its extension: everything before the last dot of the part
// after the last '/'; the folder stays in front. A name without a dot is its
// own base name.
std::string baseName(std::string_view fileName);
// The extension with its dot ("/a/paper.tex" -> ".tex"), or empty.
std::string extensionOf(std::string_view fileName);
// Up to and including the last '/', or empty when there is none.
std::string folderOf(std::string_view path);
// The part after the last '/'.
std::string fileNameOf(std::string_view path);

// Removes the second '/' of each doubled '/' from left to right, as long as
// the first remaining pair does not stand at the very start: a path starting
// with "//" (a network path) is left as it is, and so are all pairs behind it.
std::string collapseDoubledSlashes(std::string_view path);

}  // namespace orvo
