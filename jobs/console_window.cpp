#include "jobs/console_window.h"

#include <algorithm>
#include <utility>

#include "core/config_defaults.h"
#include "core/text.h"
#include "core/utility_dialogs.h"
#include "core/window_scale.h"
#include "core/workbench.h"
#include "jobs/console_view.h"
#include "jobs/script_calls.h"
#include "platform/desktop.h"
#include "platform/user_interaction.h"

namespace orvo {

ConsoleWindow::ConsoleWindow(Workbench& workbench, ConsoleView& view, ConsoleServices services)
    : workbench_(workbench), view_(view), services_(services), redirector_(services.processes, services.mainThread) {
    redirector_.onData = [this](std::string_view bytes) {
        output_.appendOutput(bytes);
        view_.outputChanged();
    };
    redirector_.onEnd = [this] { jobEnded(); };
}

ConsoleWindow::~ConsoleWindow() {
    if (created_) storeSizeRatios();
}

void ConsoleWindow::ensureCreated() {
    if (!created_) create();
}

// The creation: font, size and place, then the end-of-job routine; only
// after that the autostart job, so that the routine cannot stop it.
void ConsoleWindow::create() {
    Workbench& w = workbench_;
    created_ = true;
    view_.setOutputFont(w.RedirectFont, w.RedirectFontSize);
    scaleWindow();
    placeOnScreen();
    endOfJobRoutine();
    // The autostart job start-up left pending for the console.
    if (w.jobs.autostartPending && w.RunDosWindow && w.RunAutostartBatchfile && runOperation) {
        w.jobs.autostartPending = false;
        runOperation(autostartCommand(w), true);
    }
}

void ConsoleWindow::clearOutput() {
    output_.clear();
    view_.outputChanged();
}

void ConsoleWindow::appendLine(const std::string& line) {
    output_.appendLine(line);
    view_.outputChanged();
}

// The pending command starts when the window is shown, without waiting for
// the window manager to activate it: a desktop may keep the focus elsewhere.
void ConsoleWindow::show() {
    ensureCreated();
    view_.showWindow();
    activated();
}

void ConsoleWindow::finishStartup() {
    startingUp_ = false;
    view_.setCloseButtonVisible(true);
}

void ConsoleWindow::showModal() {
    ensureCreated();
    view_.runModal([this] { activated(); });
    if (view_.isShown()) close();
}

void ConsoleWindow::showWithoutJob() {
    closeWhenDone_ = true;
    workbench_.jobs.pendingConsoleCommand.clear();
    workbench_.jobs.originatingDialog = kNoOriginatingDialog;
    show();
}

void ConsoleWindow::runUntilClosed(const std::string& commandLine) {
    ensureCreated();
    if (view_.isShown()) close();
    clearOutput();
    appendLine(trim(commandLine));
    appendLine("");
    appendLine("");
    closeWhenDone_ = unattended_;
    workbench_.jobs.pendingConsoleCommand = commandLine;
    showModal();
}

void ConsoleWindow::close() {
    services_.dialogs.setOpenDialogNumber(kMainWindowNumber);
    storeSizeRatios();
    endOfJobRoutine();
    view_.hideWindow();
}

void ConsoleWindow::activated() {
    Workbench& w = workbench_;
    services_.dialogs.setOpenDialogNumber(kConsoleWindowNumber);
    view_.setOutputFont(w.RedirectFont, w.RedirectFontSize);
    placeOnScreen();
    // While a job runs the window only offers HALT, however often it is
    // activated again.
    if (!redirector_.running()) view_.setCloseButtonVisible(true);
    if (w.jobs.pendingConsoleCommand.empty()) return;
    if (!startingUp_) view_.setCloseButtonVisible(false);
    std::string command = std::exchange(w.jobs.pendingConsoleCommand, std::string());
    if (redirector_.running()) {
        // A command processor started from the input line takes it as its next command.
        if (!report(redirector_.sendText(command + "\n"))) return;
    } else if (!startJob(command)) {
        return;
    }
    view_.focusInput();
}

void ConsoleWindow::submitInput(const std::string& line) {
    view_.setCloseButtonVisible(false);
    if (toUpper(line) == "HALT") {
        view_.clearInput();
        close();
        return;
    }
    if (redirector_.running()) {
        if (!report(redirector_.sendText(line + "\n"))) return;
    } else if (!startJob(line)) {
        return;
    }
    view_.clearInput();
}

void ConsoleWindow::endOfInput() { report(redirector_.closeInput()); }

void ConsoleWindow::windowMoved(int x, int y) {
    if (!view_.isShown()) return;
    workbench_.RedirectXScreenPos = x;
    workbench_.RedirectYScreenPos = y;
}

bool ConsoleWindow::startJob(const std::string& commandLine) {
    if (!report(redirector_.setCommandLine(commandLine)) || !report(redirector_.start())) return false;
    view_.setJobRunning(true);
    return true;
}

bool ConsoleWindow::report(const Failure& failure) {
    if (!failure) return true;
    services_.ui.showMessage({MessageKind::Error, *failure, MessageButtons::Ok, MessagePlacement::ScreenCentre});
    return false;
}

void ConsoleWindow::jobEnded() {
    view_.setJobRunning(false);
    view_.setCloseButtonVisible(true);
    if (workbench_.AlwaysShowRedirectScreen) endOfJobRoutine();
    else if (closeWhenDone_) close();
}

void ConsoleWindow::endOfJobRoutine() {
    Workbench& w = workbench_;
    w.jobs.compileBusy = false;
    view_.endModal();
    ConsoleGeometry geometry = view_.geometry();
    w.RedirectXScreenPos = geometry.x;
    w.RedirectYScreenPos = geometry.y;
    w.jobs.pendingConsoleCommand.clear();
    if (redirector_.running()) {
        redirector_.discard();
        view_.setJobRunning(false);
    }
    if (w.AlwaysShowRedirectScreen && w.jobs.originatingDialog != kNoOriginatingDialog && bringToFront)
        bringToFront(w.jobs.originatingDialog);
}

// At the stored position, moved up and left as far as needed to stay on the screen.
void ConsoleWindow::placeOnScreen() {
    ScreenSize screen = services_.desktop.screenSize();
    ConsoleGeometry geometry = view_.geometry();
    int x = std::max(0, std::min(workbench_.RedirectXScreenPos, screen.width - geometry.width));
    int y = std::max(0, std::min(workbench_.RedirectYScreenPos, screen.height - geometry.height));
    view_.moveTo(x, y);
}

void ConsoleWindow::scaleWindow() {
    ScreenSize screen = services_.desktop.screenSize();
    const ScreenFactor& factor = workbench_.screenFactors[kConsoleWindowNumber - 1];
    view_.resizeTo(scaledWindowLength(factor.x, kConsoleDesignWidth, screen.width, defaults::DesignScreenWidth),
                   scaledWindowLength(factor.y, kConsoleDesignHeight, screen.height, defaults::DesignScreenHeight));
}

void ConsoleWindow::storeSizeRatios() {
    ScreenSize screen = services_.desktop.screenSize();
    ConsoleGeometry geometry = view_.geometry();
    auto x = windowSizeFactor(geometry.width, kConsoleDesignWidth, screen.width, defaults::DesignScreenWidth);
    auto y = windowSizeFactor(geometry.height, kConsoleDesignHeight, screen.height, defaults::DesignScreenHeight);
    if (!x || !y) return;
    workbench_.screenFactors[kConsoleWindowNumber - 1] = {*x, *y};
}

}  // namespace orvo
