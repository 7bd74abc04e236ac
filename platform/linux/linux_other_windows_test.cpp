// Closing other programs' windows on a private X server, and their
// processes when there is no display.
#include "platform/linux/linux_other_windows.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "platform/linux/linux_process_launcher.h"
#include "tests/private_x_server.h"
#include "tests/temp_dir.h"
#include "tests/wait_until.h"

// Last: Xlib's macros (None, Status ...) would clash with the test framework.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace orvo {
namespace {

// Sets DISPLAY for one test and puts the old value back.
class DisplayVariable {
public:
    explicit DisplayVariable(const std::string& value) {
        if (const char* old = std::getenv("DISPLAY")) old_ = old;
        ::setenv("DISPLAY", value.c_str(), 1);
    }
    ~DisplayVariable() {
        if (old_.empty()) ::unsetenv("DISPLAY");
        else ::setenv("DISPLAY", old_.c_str(), 1);
    }

private:
    std::string old_;
};

// A client that shows one window of class "OrvoTest"; it quits on the close
// request unless it is stubborn.
[[noreturn]] void runTestClient(bool stubborn) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) ::_exit(2);
    Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 50, 50, 0, 0, 0);
    XClassHint hint {const_cast<char*>("orvotest"), const_cast<char*>("OrvoTest")};
    XSetClassHint(display, window, &hint);
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XMapWindow(display, window);
    XFlush(display);
    while (true) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ClientMessage && Atom(event.xclient.data.l[0]) == deleteWindow && !stubborn) {
            XDestroyWindow(display, window);
            XCloseDisplay(display);
            ::_exit(0);
        }
    }
}

class LinuxOtherWindowsX11 : public ::testing::Test {
protected:
    void SetUp() override {
        if (::access("/usr/bin/Xvfb", X_OK) != 0) GTEST_SKIP() << "Xvfb is not installed";
        ASSERT_TRUE(server_.running()) << "Xvfb did not come up";
        variable_ = std::make_unique<DisplayVariable>(server_.display());
    }
    void TearDown() override {
        if (client_ > 0) ::kill(client_, SIGKILL), ::waitpid(client_, nullptr, 0);
        variable_.reset();
    }

    void startClient(bool stubborn) {
        client_ = ::fork();
        if (client_ == 0) runTestClient(stubborn);
        ASSERT_TRUE(test::waitUntil([this] { return windows.hasWindowOfClass("OrvoTest"); }));
    }
    bool clientEnded() {
        if (!test::waitUntil([this] { return ::waitpid(client_, nullptr, WNOHANG) == client_; }, 3000)) return false;
        client_ = -1;
        return true;
    }

    LinuxOtherWindows windows {500};
    test::PrivateXServer server_;
    pid_t client_ = -1;
    std::unique_ptr<DisplayVariable> variable_;
};

TEST_F(LinuxOtherWindowsX11, AWindowOfTheClassOrInstanceNameIsAskedToClose) {
    EXPECT_FALSE(windows.hasWindowOfClass("OrvoTest"));
    EXPECT_FALSE(windows.closeWindowOfClass("OrvoTest")) << "no such window";
    startClient(false);
    EXPECT_TRUE(windows.hasWindowOfClass("orvotest")) << "instance name, any case";
    EXPECT_TRUE(windows.closeWindowOfClass("OrvoTest"));
    EXPECT_TRUE(clientEnded());
    EXPECT_FALSE(windows.hasWindowOfClass("OrvoTest"));
}

TEST_F(LinuxOtherWindowsX11, AWindowThatIgnoresTheRequestCostsOnlyTheTimeLimit) {
    startClient(true);
    auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(windows.closeWindowOfClass("OrvoTest"));
    auto took = std::chrono::steady_clock::now() - before;
    EXPECT_GE(took, std::chrono::milliseconds(450));
    EXPECT_LT(took, std::chrono::milliseconds(3000));
    EXPECT_TRUE(windows.hasWindowOfClass("OrvoTest")) << "left alone";
}

// A running copy of sleep with a name of its own: tests running at the same
// time must not find each other's.
class LinuxOtherWindowsProcesses : public ::testing::Test {
protected:
    void SetUp() override {
        std::string copy = dir.path() + name;
        ASSERT_EQ(std::system(("cp /bin/sleep '" + copy + "'").c_str()), 0);
        process = launcher.start({copy, "30"});
        ASSERT_TRUE(process);
    }
    void TearDown() override {
        if (!process) return;
        ::kill(pid_t(process->id), SIGKILL);
        launcher.waitForEnd(*process, 5000);
    }

    const std::string name = "OrvoAux" + std::to_string(::getpid());
    const std::string otherCase = "orvoaux" + std::to_string(::getpid());
    test::TempDir dir;
    LinuxProcessLauncher launcher;
    std::optional<ProcessHandle> process;
};

TEST_F(LinuxOtherWindowsProcesses, WithoutADisplayTheUsersProcessOfThatNameGetsSigterm) {
    DisplayVariable none("");
    LinuxOtherWindows windows {2000};
    ASSERT_TRUE(test::waitUntil([&] { return windows.hasWindowOfClass(otherCase); }));
    EXPECT_FALSE(windows.closeWindowOfClass(name.substr(0, name.size() - 1))) << "the whole name must match";
    EXPECT_TRUE(windows.closeWindowOfClass(otherCase));
    EXPECT_TRUE(launcher.waitForEnd(*process, 100)) << "it ended within the time limit";
    process.reset();
    EXPECT_FALSE(windows.hasWindowOfClass(otherCase));
}

TEST_F(LinuxOtherWindowsProcesses, ADisplayThatCannotBeReachedLeavesProcessesAlone) {
    LinuxOtherWindows windows {200};
    {
        DisplayVariable none("");
        ASSERT_TRUE(test::waitUntil([&] { return windows.hasWindowOfClass(name); }));
    }
    DisplayVariable unreachable(":32767");
    EXPECT_FALSE(windows.hasWindowOfClass(name));
    EXPECT_FALSE(windows.closeWindowOfClass(name));
    EXPECT_FALSE(launcher.waitForEnd(*process, 100)) << "still running";
}

}  // namespace
}  // namespace orvo
