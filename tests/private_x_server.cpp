#include "tests/private_x_server.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "tests/wait_until.h"

// Last: Xlib's macros would clash with what comes before.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace orvo::test {
namespace {

bool answers(const std::string& display) {
    Display* d = XOpenDisplay(display.c_str());
    if (d) XCloseDisplay(d);
    return d != nullptr;
}

// A window that went away between the look and the request is no failure
// of the test program; Xlib's default would end it.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

std::string titleOf(Display* display, Window window) {
    XTextProperty property;
    if (!XGetWMName(display, window, &property) || !property.value) return {};
    std::string title(reinterpret_cast<const char*>(property.value), property.nitems);
    XFree(property.value);
    return title;
}

bool shown(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// Without a window manager every top-level window is a child of the root.
Window findShown(Display* display, const std::string& title) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        if (shown(display, children[i]) && titleOf(display, children[i]) == title) found = children[i];
    }
    if (children) XFree(children);
    return found;
}

}  // namespace

PrivateXServer::PrivateXServer() {
    if (::access("/usr/bin/Xvfb", X_OK) != 0) return;
    // Without -noreset the server would start afresh whenever its last
    // client leaves, dropping the others.
    int number = 200 + ::getpid() % 700;
    while (::access(("/tmp/.X" + std::to_string(number) + "-lock").c_str(), F_OK) == 0 ||
           ::access(("/tmp/.X11-unix/X" + std::to_string(number)).c_str(), F_OK) == 0)
        ++number;
    display_ = ":" + std::to_string(number);
    server_ = ::fork();
    if (server_ == 0) {
        ::execl("/usr/bin/Xvfb", "Xvfb", display_.c_str(), "-nolisten", "tcp", "-noreset", "-screen", "0",
                "800x600x24", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    running_ = server_ > 0 && waitUntil([this] { return answers(display_); });
}

PrivateXServer::~PrivateXServer() {
    if (server_ > 0) ::kill(server_, SIGTERM), ::waitpid(server_, nullptr, 0);
}

XKeyboard::XKeyboard(const std::string& display) {
    XSetErrorHandler(ignoreErrors);
    display_ = XOpenDisplay(display.c_str());
}

XKeyboard::~XKeyboard() {
    if (display_) XCloseDisplay(static_cast<Display*>(display_));
}

bool XKeyboard::focusWindow(const std::string& title, int timeoutMs) {
    auto* display = static_cast<Display*>(display_);
    if (!display) return false;
    if (!waitUntil([&] { return (window_ = findShown(display, title)) != 0; }, timeoutMs)) return false;
    XSetInputFocus(display, window_, RevertToParent, CurrentTime);
    XSync(display, False);
    return true;
}

bool XKeyboard::press(const std::string& keysymName, bool control) {
    auto* display = static_cast<Display*>(display_);
    KeySym symbol = XStringToKeysym(keysymName.c_str());
    if (!display || !window_ || symbol == NoSymbol) return false;
    XEvent event {};
    XKeyEvent& key = event.xkey;
    key.display = display;
    key.window = window_;
    key.root = DefaultRootWindow(display);
    key.time = CurrentTime;
    key.x = key.y = key.x_root = key.y_root = 1;
    key.same_screen = True;
    key.keycode = XKeysymToKeycode(display, symbol);
    key.state = control ? ControlMask : 0;
    for (int type : {KeyPress, KeyRelease}) {
        key.type = type;
        if (!XSendEvent(display, window_, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event)) return false;
    }
    XSync(display, False);
    return true;
}

}  // namespace orvo::test
