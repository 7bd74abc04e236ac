#pragma once
// Every question and report the logic puts to the user goes through here. The
// desktop implementation is modal; the test fake is scripted and records.
#include <optional>
#include <string>

namespace orvo {

enum class MessageKind { Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo, AbortRetry, YesNoAbort };
enum class MessageAnswer { Ok, Yes, No, Abort, Retry, Cancel };
enum class MessagePlacement {
    ScreenCentre,
    MainWindowCentre,
    CornerAtMainWindowCentre,  // the box's top-left corner at the main window's centre
    CornerAtMainWindowCorner,  // the box's top-left corner at the main window's top-left corner
};

struct Message {
    MessageKind kind = MessageKind::Information;
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessagePlacement placement = MessagePlacement::ScreenCentre;
};

// Open picks an existing file; Save may name a new one (an output file).
enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;
    std::string startFolder;
    std::string fileName;          // proposed name, may be empty
    std::string defaultExtension;  // without its dot; added to a chosen name that has none
    // Pairs of description and ';'-separated patterns, all '|'-separated:
    // "Main TeX files (*.TEX)|*.TEX|All files|*.*".
    std::string filter;
};

class UserInteraction {
public:
    virtual ~UserInteraction() = default;
    virtual MessageAnswer showMessage(const Message& message) = 0;
    // A failure kept where a desktop program's errors go (standard error),
    // also while the workbench is ending and no box may wait: a file that
    // could not be read or written, with the reason.
    virtual void logFailure(const std::string& text) = 0;
    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<std::string> chooseFile(const FileDialogRequest& request) = 0;
};

}  // namespace orvo
