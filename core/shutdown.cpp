#include "core/shutdown.h"

#include "core/config_writer.h"
#include "core/document_parameters.h"
#include "core/editor_quit.h"
#include "core/environment_batch_file.h"
#include "core/main_window_position.h"
#include "core/main_window_view.h"
#include "core/session_jobs.h"
#include "core/utility_dialogs.h"
#include "core/work_files.h"
#include "core/workbench.h"
#include "platform/desktop.h"

namespace orvo {

// A failed write is no box's business here (the shut-down may run for a
// signal, with nobody to answer), but it is kept on the log.
bool Shutdown::writeParameterFileStep() {
    std::optional<FileFailure> failure = DocumentParameters(workbench_, view_, services_.files)
                                             .write(workbench_.MainFileName, workbench_.mainPath,
                                                    workbench_.CurrentFileName);
    if (failure) logWriteFailure(services_.ui, failure->path, failure->error);
    return true;
}

Shutdown::Shutdown(Workbench& workbench, MainWindowView& view, ShutdownServices services, ShutdownPorts ports)
    : workbench_(workbench), view_(view), services_(services), ports_(ports) {}

void Shutdown::recordWindowPosition() { recordMainWindowPosition(workbench_, view_); }

bool Shutdown::writeConfigurationStep() {
    // A failed write has been reported by the writer; the rest still runs.
    writeConfiguration(workbench_, {services_.files, services_.ui, services_.desktop.screenSize(), view_.geometry(),
                                    ports_.configSections});
    return true;
}

// With the batch file of the current folder go all work files the session
// left in other folders.
bool Shutdown::deleteEnvironmentBatchFileStep() {
    deleteEnvironmentBatchFile(services_.files);
    removeAllWorkFiles(workbench_, services_.files);
    return true;
}

bool Shutdown::closeAuxiliaryWindows() {
    ports_.sessionJobs.closeAuxiliaryWindows();
    return true;
}

// The script runs on after the workbench has ended; a failed start has been
// reported by the direct start.
bool Shutdown::startClosingScript() {
    ports_.sessionJobs.startClosingScript();
    return true;
}

// Conversations fail quietly: a missing editor never stops the shut-down.
bool Shutdown::editorSaveAndQuit() {
    ports_.editor.saveAndQuit();
    return true;
}

bool Shutdown::notifySpellChecker() {
    ports_.editor.notifySpellChecker();
    return true;
}

bool Shutdown::dropStayOnTop() {
    if (view_.stayOnTop()) view_.setStayOnTop(false);
    return true;
}

bool Shutdown::cleanUp() {
    if (!workbench_.QuitUseBTM) return ports_.dialogs.quitDeletion() && closeAuxiliaryWindows();
    if (workbench_.RunDosWindow) return runClosingScriptInConsole();
    return startClosingScript();
}

// The console opens anew with the command processor running CLOSING and
// stays until the user closes it.
bool Shutdown::runClosingScriptInConsole() {
    ports_.sessionJobs.runClosingScriptInConsole();
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
