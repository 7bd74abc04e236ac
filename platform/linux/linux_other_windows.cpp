#include "platform/linux/linux_other_windows.h"

#include "platform/linux/linux_user_processes.h"
#include "platform/linux/linux_x11_windows.h"

namespace orvo {

bool LinuxOtherWindows::hasWindowOfClass(const std::string& className) {
    if (className.empty()) return false;
    x11::Found found = x11::findWindow(className);
    if (found != x11::Found::NoDisplay) return found == x11::Found::Found;
    return processes::findByName(className) > 0;
}

bool LinuxOtherWindows::closeWindowOfClass(const std::string& className) {
    if (className.empty()) return false;
    x11::Found found = x11::closeWindow(className, closeTimeLimitMs_);
    if (found != x11::Found::NoDisplay) return found == x11::Found::Found;
    pid_t pid = processes::findByName(className);
    if (pid <= 0) return false;
    processes::terminate(pid, closeTimeLimitMs_);
    return true;
}

}  // namespace orvo
