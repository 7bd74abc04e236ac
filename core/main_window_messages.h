#pragma once
// Message boxes shown for the main window: a main window that stays on top
// drops that style while the box is open, so the box is never hidden behind
// it, and gets it back afterwards.
#include "platform/user_interaction.h"

namespace orvo {

class MainWindowView;

MessageAnswer showOverMainWindow(MainWindowView& view, UserInteraction& ui, const Message& message);

}  // namespace orvo
