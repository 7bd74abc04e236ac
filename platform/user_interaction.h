#pragma once
// Every question and report the logic puts to the user goes through here. The
// desktop implementation is modal; the test fake is scripted and records.
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

class UserInteraction {
public:
    virtual ~UserInteraction() = default;
    virtual MessageAnswer showMessage(const Message& message) = 0;
};

}  // namespace orvo
