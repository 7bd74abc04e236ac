#pragma once
// Boxes, choosers and dialogs shown for the main window: a main window that
// stays on top drops that style while they are open, so they are never hidden
// behind it, and gets it back afterwards.
#include "platform/user_interaction.h"

namespace orvo {

class MainWindowView;

// Drops the style for its lifetime when the window has it.
class StayOnTopPause {
public:
    explicit StayOnTopPause(MainWindowView& view);
    ~StayOnTopPause();
    StayOnTopPause(const StayOnTopPause&) = delete;
    StayOnTopPause& operator=(const StayOnTopPause&) = delete;

private:
    MainWindowView& view_;
    bool restore_;
};

MessageAnswer showOverMainWindow(MainWindowView& view, UserInteraction& ui, const Message& message);

}  // namespace orvo
