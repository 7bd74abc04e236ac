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

bool refuseUnkeepableFileName(MainWindowView& view, UserInteraction& ui, const std::string& path) {
    if (path.find_first_of("\r\n") == std::string::npos) return false;
    showOverMainWindow(view, ui,
                       {MessageKind::Warning,
                        "The file name\n" + path +
                            "\nholds a line break, which Orvo cannot keep in its settings. Rename the file and "
                            "choose it again.",
                        MessageButtons::Ok, MessagePlacement::MainWindowCentre});
    return true;
}

}  // namespace orvo
