#include "actions/file_choice.h"

#include "actions/action_hints.h"
#include "actions/history.h"
#include "actions/message_entries.h"
#include "core/document_parameters.h"
#include "core/environment_batch_file.h"
#include "core/job_actions.h"
#include "core/main_window_messages.h"
#include "core/main_window_shell.h"
#include "core/main_window_view.h"
#include "core/path_names.h"
#include "core/startup.h"
#include "core/work_files.h"
#include "core/workbench.h"
#include "platform/file_system.h"
#include "platform/user_interaction.h"

namespace orvo {

FileChoice::FileChoice(Workbench& workbench, MainWindowView& view, ActionHints& hints, FileChoiceServices services)
    : workbench_(workbench), view_(view), hints_(hints), services_(services) {}

std::string FileChoice::activeMainFile() const { return workbench_.mainPath + workbench_.MainFileName; }

FileChoice::Document FileChoice::leaveDocument() {
    Workbench& w = workbench_;
    Document old {w.mainPath, w.MainFileName, w.CurrentFileName, w.portScript};
    w.MainFileName.clear();
    w.CurrentFileName.clear();
    view_.showMainFile("");
    view_.showCurrentFile("");
    DocumentParameters(w, view_, services_.files).write(old.mainFileName, old.mainPath, old.currentFileName);
    return old;
}

void FileChoice::enterDocument(const std::string& path, const std::string& formerPortScript) {
    Workbench& w = workbench_;
    std::string formerMainPath = w.mainPath;
    w.mainPath = folderOf(path);
    removeWorkFilesLeftBehind(w, services_.files, formerMainPath);
    w.MainFileName = fileNameOf(path);
    view_.showMainFile(activeMainFile());
    if (auto unreadable = DocumentParameters(w, view_, services_.files).read())
        reportUnreadableParameterFile(*unreadable, services_.ui);
    if (w.portScript != formerPortScript && services_.jobs) services_.jobs->redirectPrintDestination();
}

std::optional<std::string> FileChoice::chooseFile(const FileDialogRequest& request) {
    std::optional<std::string> chosen = services_.ui.chooseFile(request);
    if (chosen && refuseUnkeepableFileName(view_, services_.ui, *chosen)) return std::nullopt;
    return chosen;
}

void FileChoice::reapplyLayout() {
    if (!view_.geometry().tabPagesHidden) services_.shell.reapplyLayout();
}

// What every change of main file ends with.
void FileChoice::finish() {
    Workbench& w = workbench_;
    w.dviFileName = w.mainPath + baseName(w.MainFileName) + ".DVI";
    hints_.refresh();
}

void FileChoice::chooseMainFile() {
    Workbench& w = workbench_;
    {
        StayOnTopPause pause(view_);
        Document old = leaveDocument();
        deleteEnvironmentBatchFile(services_.files);
        FileDialogRequest request;
        request.title = Startup::messageText(w, kChooseMainFileMessage, "Choose Main TeX file");
        request.startFolder = w.mainPath;
        request.defaultExtension = w.MainExtension;
        request.filter = Startup::messageText(w, kMainFilesMessage, "Main TeX files") + " (*." + w.MainExtension +
                         ")|*." + w.MainExtension + "|" + Startup::messageText(w, kAllFilesMessage, "All files") + "|*.*";
        if (std::optional<std::string> chosen = chooseFile(request)) {
            enterDocument(*chosen, old.portScript);
            moveToFront(w.mainHistory, old.mainPath + old.mainFileName);
            w.jobs.compileBusy = false;
            writeEnvironmentBatchFile(w, services_.files);
        } else {
            // The environment batch file stays deleted until the next choice.
            w.mainPath = old.mainPath;
            w.MainFileName = old.mainFileName;
            w.CurrentFileName = old.currentFileName;
            view_.showMainFile(activeMainFile());
            view_.showCurrentFile(w.CurrentFileName);
        }
    }
    reapplyLayout();
    finish();
}

void FileChoice::chooseCurrentFile() {
    Workbench& w = workbench_;
    {
        StayOnTopPause pause(view_);
        std::string old = w.CurrentFileName;
        w.CurrentFileName.clear();
        view_.showCurrentFile("");
        FileDialogRequest request;
        request.title = Startup::messageText(w, kChooseCurrentFileMessage, "Choose current file");
        request.startFolder = old.empty() ? w.mainPath : folderOf(old);
        request.defaultExtension = w.CurrentExtension;
        request.filter = Startup::messageText(w, kTeXFilesMessage, "TeX files") + " (*." + w.CurrentExtension +
                         ")|*." + w.CurrentExtension + "|" + Startup::messageText(w, kAllFilesMessage, "All files") +
                         " (*.*)|*.*";
        // Cancelling leaves no current file.
        if (std::optional<std::string> chosen = chooseFile(request)) {
            w.CurrentFileName = *chosen;
            view_.showCurrentFile(w.CurrentFileName);
            moveToFront(w.currentHistory, old);
        }
    }
    reapplyLayout();
    hints_.refresh();
}

std::vector<std::string> FileChoice::openMainHistory() {
    moveToFront(workbench_.mainHistory, activeMainFile());
    return historyMenuEntries(workbench_.mainHistory, activeMainFile());
}

// The current folder, the compile-busy flag and the environment batch file
// stay as they are.
void FileChoice::takeMainFile(const std::string& path) {
    Workbench& w = workbench_;
    std::string formerPortScript = w.portScript;
    DocumentParameters(w, view_, services_.files).write(w.MainFileName, w.mainPath, w.CurrentFileName);
    w.CurrentFileName.clear();
    view_.showCurrentFile("");
    enterDocument(path, formerPortScript);
    finish();
}

std::vector<std::string> FileChoice::openCurrentHistory() {
    moveToFront(workbench_.currentHistory, workbench_.CurrentFileName);
    return historyMenuEntries(workbench_.currentHistory, workbench_.CurrentFileName);
}

void FileChoice::takeCurrentFile(const std::string& path) {
    workbench_.CurrentFileName = path;
    view_.showCurrentFile(path);
}

// Unlike the file dialog, a drop leaves the environment batch file alone.
// Only a file can become the main file: a dropped folder is ignored.
void FileChoice::drop(const std::vector<std::string>& paths) {
    if (paths.empty() || !services_.files.fileExists(paths.front())) return;
    if (refuseUnkeepableFileName(view_, services_.ui, paths.front())) return;
    Workbench& w = workbench_;
    {
        StayOnTopPause pause(view_);
        Document old = leaveDocument();
        enterDocument(paths.front(), old.portScript);
        moveToFront(w.mainHistory, old.mainPath + old.mainFileName);
        w.jobs.compileBusy = false;
    }
    finish();
}

}  // namespace orvo
