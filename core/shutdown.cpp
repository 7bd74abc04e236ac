#include "core/shutdown.h"

#include "core/config_writer.h"
#include "core/main_window_view.h"
#include "core/workbench.h"
#include "jobs/console_window.h"
#include "platform/desktop.h"

namespace orvo {

Shutdown::Shutdown(Workbench& workbench, MainWindowView& view, ShutdownServices services)
    : workbench_(workbench), view_(view), services_(services) {}

void Shutdown::recordWindowPosition() {
    if (workbench_.Menubar) return;
    WindowGeometry geometry = view_.geometry();
    if (geometry.tabPagesHidden) return;
    workbench_.XScreenPos = geometry.x;
    workbench_.YScreenPos = geometry.y;
}

bool Shutdown::writeConfigurationStep() {
    // A failed write has been reported by the writer; the rest still runs.
    writeConfiguration(workbench_, {services_.files, services_.ui, services_.desktop.screenSize(), view_.geometry()});
    return true;
}

bool Shutdown::dropStayOnTop() {
    if (view_.stayOnTop()) view_.setStayOnTop(false);
    return true;
}

bool Shutdown::cleanUp() {
    if (!workbench_.QuitUseBTM) return quitDeletionHook() && closeAuxiliaryWindowsHook();
    if (workbench_.RunDosWindow) return runClosingScriptInConsole();
    return startClosingScriptHook();
}

// The console opens anew with the command processor running CLOSING and
// stays until the user closes it.
bool Shutdown::runClosingScriptInConsole() {
    if (!services_.console) return true;
    const Workbench& w = workbench_;
    services_.console->runUntilClosed(w.FourDosProgram + " " + w.FourDosOptions + " " + w.OrvoBTMDir + "CLOSING." +
                                      w.batchExtension);
    return true;
}

void Shutdown::run() {
    if (done_) return;
    done_ = true;
    view_.lockUpdates(true);
    // Once a step fails, the steps after it are skipped without a message.
    writeParameterFileHook() && deleteEnvironmentBatchFileHook() && writeConfigurationStep() &&
        editorSaveAndQuitHook() && notifySpellCheckerHook() && dropStayOnTop() && cleanUp();
    workbench_.messageTexts.clear();
    workbench_.uiStrings.clear();
    view_.lockUpdates(false);
}

}  // namespace orvo
