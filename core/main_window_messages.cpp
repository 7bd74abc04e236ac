#include "core/main_window_messages.h"

#include "core/main_window_view.h"

namespace orvo {

MessageAnswer showOverMainWindow(MainWindowView& view, UserInteraction& ui, const Message& message) {
    bool onTop = view.stayOnTop();
    if (onTop) view.setStayOnTop(false);
    MessageAnswer answer = ui.showMessage(message);
    if (onTop) view.setStayOnTop(true);
    return answer;
}

}  // namespace orvo
