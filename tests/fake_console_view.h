#pragma once
// A console window for logic tests: keeps what a real window would show and
// records the calls that matter in order.
#include <string>
#include <vector>

#include "jobs/console_view.h"

namespace orvo {

class FakeConsoleView : public ConsoleView {
public:
    std::vector<std::string> calls;
    bool shown = false;
    bool closeButton = false;
    bool jobRunning = false;
    bool inputFocused = false;
    int inputClears = 0;
    int outputChanges = 0;
    int modalEnds = 0;
    std::string font;
    ConsoleGeometry window {0, 0, 600, 400};
    // Called while runModal() "waits", as the user or the job would act.
    std::function<void()> duringModal;

    void showWindow() override {
        shown = true;
        calls.push_back("show");
    }
    void runModal(const std::function<void()>& onShown) override {
        shown = true;
        calls.push_back("runModal");
        onShown();
        if (duringModal) duringModal();
        calls.push_back("modal returned");
    }
    void endModal() override { ++modalEnds; }
    void hideWindow() override {
        shown = false;
        calls.push_back("hide");
    }
    bool isShown() const override { return shown; }
    void setCloseButtonVisible(bool visible) override { closeButton = visible; }
    void setJobRunning(bool running) override { jobRunning = running; }
    void focusInput() override { inputFocused = true; }
    void clearInput() override { ++inputClears; }
    void outputChanged() override { ++outputChanges; }
    void setOutputFont(const std::string& family, int pointSize) override {
        font = family + " " + std::to_string(pointSize);
    }
    ConsoleGeometry geometry() const override { return window; }
    void moveTo(int x, int y) override {
        window.x = x;
        window.y = y;
    }
    void resizeTo(int width, int height) override {
        window.width = width;
        window.height = height;
    }
};

}  // namespace orvo
