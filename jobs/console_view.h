#pragma once
// What the console window's logic asks of its window. The Qt window
// implements it; tests use a recording fake.
#include <functional>
#include <string>

namespace orvo {

struct ConsoleGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class ConsoleView {
public:
    virtual ~ConsoleView() = default;
    // Visible and in front, not modal.
    virtual void showWindow() = 0;
    // Shows the window modally, calls `shown` once it is up and returns when
    // endModal() or hideWindow() has been called.
    virtual void runModal(const std::function<void()>& shown) = 0;
    virtual void endModal() = 0;
    virtual void hideWindow() = 0;
    virtual bool isShown() const = 0;
    virtual void setCloseButtonVisible(bool visible) = 0;
    // While a job runs the window offers to stop it.
    virtual void setJobRunning(bool running) = 0;
    virtual void focusInput() = 0;
    virtual void clearInput() = 0;
    // Lines were added, changed or cleared; the window catches up soon.
    virtual void outputChanged() = 0;
    virtual void setOutputFont(const std::string& family, int pointSize) = 0;
    virtual ConsoleGeometry geometry() const = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void resizeTo(int width, int height) = 0;
};

}  // namespace orvo
