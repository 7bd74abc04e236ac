#pragma once
#include "platform/other_windows.h"

namespace orvo {

// On an X display: a top-level client window whose WM_CLASS class or
// instance name equals the name (ignoring case), the workbench's own windows
// excepted; the close request is WM_DELETE_WINDOW, and the call returns when
// the window is gone or the time limit has passed. Without a display (no
// DISPLAY variable, as in a Wayland-only session): a running process of this
// user whose executable name equals the name (ignoring case), asked to end
// with SIGTERM and given the same time limit. A display that is named but
// cannot be reached has no windows, and no process is touched.
class LinuxOtherWindows : public OtherWindows {
public:
    explicit LinuxOtherWindows(int closeTimeLimitMs = 3000) : closeTimeLimitMs_(closeTimeLimitMs) {}
    bool hasWindowOfClass(const std::string& className) override;
    bool closeWindowOfClass(const std::string& className) override;

private:
    int closeTimeLimitMs_;
};

}  // namespace orvo
