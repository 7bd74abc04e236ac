#pragma once
// The markers a command template may carry: "&4DOS" (the command must go
// through the command processor) and "&NOREDIR" (never captured by the
// console window). Matched without regard to case, and only in a template's
// own text (from ConfigFile or a list file), before any value is put into it:
// a file name, a path or a typed line is never searched for them.
#include <string>
#include <string_view>

namespace orvo {

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

// A template's own text with its markers taken out, and what they decided.
struct MarkedTemplate {
    std::string text;
    bool fourDos = false;  // "&4DOS": through the command processor
    bool noRedir = false;  // "&NOREDIR": never captured by the console window
};

// "&4DOS" first (the text before it goes too, the rest is trimmed), then
// "&NOREDIR" and the blank after it.
MarkedTemplate takeMarkers(std::string_view templateText);

}  // namespace orvo
