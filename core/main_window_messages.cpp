#include "core/main_window_messages.h"

#include "core/main_window_view.h"

namespace orvo {

StayOnTopPause::StayOnTopPause(MainWindowView& view) : view_(view), restore_(view.stayOnTop()) {
    if (restore_) view_.setStayOnTop(false);
}

StayOnTopPause::~StayOnTopPause() {
    if (restore_) view_.setStayOnTop(true);
}

MessageAnswer showOverMainWindow(MainWindowView& view, UserInteraction& ui, const Message& message) {
    StayOnTopPause pause(view);
    return ui.showMessage(message);
}

}  // namespace orvo
