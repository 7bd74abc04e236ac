#pragma once
// The outliner's texts in its two languages. The outliner is a program of
// its own with a window of a few lines, so its texts live here rather than
// in the workbench's UI-string files.
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

enum class OutlinerText {
    WindowTitle,     // $1 the main file's name
    TreeName,
    MessagesName,
    ColumnEntry,
    ColumnMark,
    ColumnFile,
    ColumnLine,
    OpenButton,
    CloseButton,
    Summary,         // $1 entries, $2 files
    NoMarks,         // $1 the section
    NoMainFile,
    ExtraArgument,   // $1
    NotANumber,      // $1
    MainMissing,     // $1 file
    MainUnreadable,  // $1 file, $2 reason
    MainTooLarge,    // $1 file
    ConfigMissing,   // $1 file
    ConfigUnreadable,  // $1 file, $2 reason
    NoSectionGiven,  // $1 the section used
    SectionFallback, // $1 the section asked for, $2 the section used
    DefaultMarks,    // $1 the section
    OutlineCut,      // $1 entries
    EntryMissing,    // $1 file as named
    EntryUnreadable, // $1 file as named, $2 reason
    EntryTooLarge,   // $1
    EntryLimit,      // $1
    EntryCycle,      // $1
    EntryReadBefore, // $1
    Opened,          // $1 file, $2 line
    NoTemplate,      // $1 the editor section
    StartFailed,     // $1 the program
    Count
};

enum class OutlinerLanguage { English, German };

// "DE" in any case is German; every other code, the empty one too, English.
OutlinerLanguage outlinerLanguage(std::string_view code);

const char* outlinerText(OutlinerLanguage language, OutlinerText text);

// `pattern` with "$1" to "$9" replaced by the values in one pass: what a
// value brings is never replaced again. A "$" before anything else stays.
std::string fillText(std::string_view pattern, const std::vector<std::string>& values);

}  // namespace orvo
