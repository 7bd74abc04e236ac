#pragma once
// The command lines of the preview and the print of the main file's DVI
// file, as pure text functions.
#include <string>
#include <string_view>

namespace orvo {

struct Workbench;

// The main file's path without extension, in double quotes: previewers add
// ".dvi" themselves.
std::string previewArgument(const Workbench& workbench);

// `Viewer` without its markers (from the batch folder when it is a script
// without a folder), a blank and the preview argument.
std::string previewCommand(const Workbench& workbench);

struct PrintOptionInputs {
    std::string printerOptions;  // the printer options field as typed
    std::string outputFileOption;  // TOOUTPUTFILE with its blank, or empty
    std::string destination;       // `PrinterPort`
    bool stripSpace = false;       // STRIPSPACE set: options glued to their values
};

// The printer options, the output-file option and the destination. A
// destination that is a path is written in double quotes. Without a
// destination the output-file option is left out too, so the driver never
// takes the DVI file for its output file.
std::string printOptionTail(const PrintOptionInputs& inputs);

// The compact form a driver asks for with STRIPSPACE: every blank in front
// of the destination goes, then a blank is put before each "-" there that
// follows no blank, so "-D600 -t a4 -o /x.ps" becomes "-D600 -ta4 -o/x.ps".
// The destination itself is left as it is; without one nothing is deleted.
std::string stripSpaces(std::string_view tail, std::string_view destination);

// `Printer` without its markers (from the batch folder when it is a script
// without a folder), a blank, the option tail, a blank and `dviFile` in
// double quotes.
std::string printCommand(const Workbench& workbench, std::string_view optionTail, std::string_view dviFile);

// A printer that is a script, or marked "&4DOS" or "&NOREDIR", goes
// through the command processor; any other starts directly.
bool printerNeedsCommandProcessor(const Workbench& workbench);
// The same for `Viewer`.
bool previewerNeedsCommandProcessor(const Workbench& workbench);

}  // namespace orvo
