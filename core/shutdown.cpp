#include "core/shutdown.h"

#include "core/document_parameters.h"

#include "core/config_writer.h"
#include "core/main_window_position.h"
#include "core/environment_batch_file.h"
#include "core/main_window_view.h"
#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "jobs/console_window.h"
#include "jobs/launcher.h"
#include "jobs/script_calls.h"
#include "platform/desktop.h"

namespace orvo {

bool Shutdown::writeParameterFileStep() {
    DocumentParameters(workbench_, view_, services_.files)
        .write(workbench_.MainFileName, workbench_.mainPath, workbench_.CurrentFileName);
    return true;
}

Shutdown::Shutdown(Workbench& workbench, MainWindowView& view, ShutdownServices services)
    : workbench_(workbench), view_(view), services_(services) {}

void Shutdown::recordWindowPosition() { recordMainWindowPosition(workbench_, view_); }

bool Shutdown::writeConfigurationStep() {
    // A failed write has been reported by the writer; the rest still runs.
    writeConfiguration(workbench_, {services_.files, services_.ui, services_.desktop.screenSize(), view_.geometry()});
    return true;
}

bool Shutdown::deleteEnvironmentBatchFileStep() {
    deleteEnvironmentBatchFile(services_.files);
    return true;
}

// Failures to close are ignored: a window that does not answer only costs
// the close request's time limit.
bool Shutdown::closeAuxiliaryWindows() {
    if (services_.launcher) services_.launcher->closeAuxiliaryWindows();
    return true;
}

// The script runs on after the workbench has ended; a failed start has been
// reported by the direct start.
bool Shutdown::startClosingScript() {
    if (services_.launcher) services_.launcher->startDirect(closingScriptLine(workbench_), false);
    return true;
}

// Conversations fail quietly: a missing editor never stops the shut-down.
bool Shutdown::editorSaveAndQuit() {
    if (services_.editor) services_.editor->saveAndQuit();
    return true;
}

bool Shutdown::notifySpellChecker() {
    if (services_.editor) services_.editor->notifySpellChecker();
    return true;
}

bool Shutdown::dropStayOnTop() {
    if (view_.stayOnTop()) view_.setStayOnTop(false);
    return true;
}

bool Shutdown::cleanUp() {
    if (!workbench_.QuitUseBTM) return quitDeletionHook() && closeAuxiliaryWindows();
    if (workbench_.RunDosWindow) return runClosingScriptInConsole();
    return startClosingScript();
}

// The console opens anew with the command processor running CLOSING and
// stays until the user closes it.
bool Shutdown::runClosingScriptInConsole() {
    if (!services_.console) return true;
    const Workbench& w = workbench_;
    services_.console->runUntilClosed(closingScriptLine(w));
    return true;
}

void Shutdown::run() {
    if (done_) return;
    done_ = true;
    view_.lockUpdates(true);
    // Once a step fails, the steps after it are skipped without a message.
    writeParameterFileStep() && deleteEnvironmentBatchFileStep() && writeConfigurationStep() &&
        editorSaveAndQuit() && notifySpellChecker() && dropStayOnTop() && cleanUp();
    workbench_.messageTexts.clear();
    workbench_.uiStrings.clear();
    view_.lockUpdates(false);
}

}  // namespace orvo
