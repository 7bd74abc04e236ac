#pragma once
// Top-level client windows of an X display, by WM_CLASS.
#include <string>

namespace orvo::x11 {

// NoDisplay: DISPLAY names none. A named display that cannot be reached
// shows no window.
enum class Found { NoDisplay, NotFound, Found };

// Found::Found when the display shows a client window of the class.
Found findWindow(const std::string& className);
// Sends the first such window that takes WM_DELETE_WINDOW the request and
// waits at most `timeLimitMs` for it to go away.
Found closeWindow(const std::string& className, int timeLimitMs);

}  // namespace orvo::x11
