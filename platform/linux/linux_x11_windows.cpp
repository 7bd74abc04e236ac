#include "platform/linux/linux_x11_windows.h"

#include "platform/linux/linux_clock.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <strings.h>
#include <unistd.h>

#include <cstdlib>

namespace orvo::x11 {
namespace {

// Windows come and go while they are looked at; their errors mean nothing
// here. The handler is ours only for the duration of one look-up.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

class Connection {
public:
    Connection() {
        const char* name = std::getenv("DISPLAY");
        configured_ = name && *name;
        if (configured_) display_ = XOpenDisplay(nullptr);
        if (display_) previous_ = XSetErrorHandler(ignoreErrors);
    }
    ~Connection() {
        if (!display_) return;
        XSync(display_, False);
        XSetErrorHandler(previous_);
        XCloseDisplay(display_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    // A display is named, whether or not it can be reached.
    bool configured() const { return configured_; }
    Display* display() const { return display_; }

private:
    bool configured_ = false;
    Display* display_ = nullptr;
    XErrorHandler previous_ = nullptr;
};

bool hasClass(Display* display, Window window, const std::string& className) {
    XClassHint hint {};
    if (!XGetClassHint(display, window, &hint)) return false;
    bool match = (hint.res_class && ::strcasecmp(hint.res_class, className.c_str()) == 0) ||
                 (hint.res_name && ::strcasecmp(hint.res_name, className.c_str()) == 0);
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
    return match;
}

bool ownedByThisProcess(Display* display, Window window) {
    Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool own = false;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        if (format == 32 && count == 1) own = *reinterpret_cast<unsigned long*>(data) == (unsigned long)::getpid();
        XFree(data);
    }
    return own;
}

bool takesDeleteWindow(Display* display, Window window) {
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    Atom* protocols = nullptr;
    int count = 0;
    bool takes = false;
    if (XGetWMProtocols(display, window, &protocols, &count)) {
        for (int i = 0; i < count; ++i) takes = takes || protocols[i] == deleteWindow;
        XFree(protocols);
    }
    return takes;
}

// Client windows sit directly below the root, or below the window manager's
// frame one or two levels down.
constexpr int kSearchDepth = 3;

// The first client window of the class below `parent`, top of the stacking
// order first; with `closable` only one that takes WM_DELETE_WINDOW.
Window search(Display* display, Window parent, const std::string& className, bool closable, int depth) {
    Window root = 0, parentOut = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &parentOut, &children, &count)) return None;
    Window found = None;
    for (unsigned int i = count; i-- > 0 && found == None;) {
        Window child = children[i];
        if (hasClass(display, child, className) && !ownedByThisProcess(display, child) &&
            (!closable || takesDeleteWindow(display, child))) {
            found = child;
        } else if (depth > 1) {
            found = search(display, child, className, closable, depth - 1);
        }
    }
    if (children) XFree(children);
    return found;
}

// Waits for the window's destruction or unmapping, at most `timeLimitMs`.
void waitUntilGone(Display* display, Window window, int timeLimitMs) {
    long long deadline = monotonicMs() + timeLimitMs;
    while (true) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if ((event.type == DestroyNotify && event.xdestroywindow.window == window) ||
                (event.type == UnmapNotify && event.xunmap.window == window))
                return;
        }
        long long left = deadline - monotonicMs();
        if (left <= 0) return;
        pollfd p {ConnectionNumber(display), POLLIN, 0};
        ::poll(&p, 1, int(left));
    }
}

}  // namespace

Found findWindow(const std::string& className) {
    Connection connection;
    Display* display = connection.display();
    if (!display) return connection.configured() ? Found::NotFound : Found::NoDisplay;
    return search(display, DefaultRootWindow(display), className, false, kSearchDepth) != None ? Found::Found
                                                                                            : Found::NotFound;
}

Found closeWindow(const std::string& className, int timeLimitMs) {
    Connection connection;
    Display* display = connection.display();
    if (!display) return connection.configured() ? Found::NotFound : Found::NoDisplay;
    Window window = search(display, DefaultRootWindow(display), className, true, kSearchDepth);
    if (window == None) return Found::NotFound;

    XSelectInput(display, window, StructureNotifyMask);
    XEvent request {};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    request.xclient.format = 32;
    request.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    request.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &request);
    XFlush(display);
    waitUntilGone(display, window, timeLimitMs);
    return Found::Found;
}

}  // namespace orvo::x11
