#pragma once
// A private X server for tests that need real windows, and a keyboard that
// types into a window on it as a user would. Xlib stays out of this header:
// its macros (None, Status ...) clash with the test framework.
#include <sys/types.h>

#include <string>

namespace orvo::test {

// Xvfb on a display number nobody uses, for the life of the object.
class PrivateXServer {
public:
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // Xvfb is installed and the display answers.
    bool running() const { return running_; }
    const std::string& display() const { return display_; }

private:
    std::string display_;
    pid_t server_ = -1;
    bool running_ = false;
};

// Key presses for a top-level window of another program on `display`.
class XKeyboard {
public:
    explicit XKeyboard(const std::string& display);
    ~XKeyboard();
    XKeyboard(const XKeyboard&) = delete;
    XKeyboard& operator=(const XKeyboard&) = delete;

    // Waits at most `timeoutMs` for a shown top-level window titled `title`
    // and gives it the input focus.
    bool focusWindow(const std::string& title, int timeoutMs);
    // Presses and releases a key (a keysym name: "F1", "Tab"), with Control
    // held when asked, in the focused window.
    bool press(const std::string& keysymName, bool control = false);

private:
    void* display_ = nullptr;  // Display*
    unsigned long window_ = 0;
};

}  // namespace orvo::test
