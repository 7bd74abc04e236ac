#include "app/workbench_windows.h"

#include <optional>
#include <string>
#include <vector>

#include "core/qt/qt_text_target.h"
#include <QCoreApplication>
#include <QFileDialog>

#include "dialogs/qt/cleanup_window.h"
#include "dialogs/qt/deleting_files_form.h"
#include "dialogs/qt/run_form.h"
#include "editor/editor_choice.h"
#include "editor/spell_check.h"

namespace orvo {
namespace {

constexpr ProgramOption kProgramOptions[] = {
    ProgramOption::StayOnTop,     ProgramOption::GrabConsoleOutput, ProgramOption::AlwaysShowConsole,
    ProgramOption::ReplaceVirtualFonts, ProgramOption::GradientCaption, ProgramOption::ShowOnTaskBar,
    ProgramOption::ShowOnTaskTray,
};

// The editor's part of the main window: Edit, Spell-check and the editor choice.
void connectEditorControls(WorkbenchWindows& w) {
    Services& s = w.services;
    MainWindowHooks& hooks = w.logic.hooks;
    hooks.edit = [&s] { s.editor.startEditor(); };
    hooks.spellCheck = [&s, &w] {
        spellCheck(s.workbench, {s.editor.exchanges(), s.launcher, s.files, w.window});
    };
    hooks.chooseEditor = [&s, &w] {
        chooseEditor(s.workbench, {s.files, s.environment, w.window},
                     [&w](const std::string& caption, const std::vector<std::string>& names) {
                         ChooserRequest request;
                         request.caption = caption;
                         request.items = names;
                         request.icon = kEditorChooserIcon;
                         std::optional<int> chosen = w.chooserForm.choose(request).chosen;
                         return chosen ? std::optional<std::string>(names[std::size_t(*chosen)]) : std::nullopt;
                     });
    };
}

// The main window's controls forwarded to its logic and the ports.
void connectMainWindow(WorkbenchWindows& w) {
    MainWindow& window = w.window;
    MainWindowLogic& logic = w.logic;
    connectEditorControls(w);
    logic.hooks.showConsole = [&w] { w.console.show(); };
    window.onActivate = [&logic](MainControl control, ButtonRole role, MenuAnchor at) {
        logic.activate(control, role, at);
    };
    window.onUtility = [&logic](const std::string& value) { logic.chooseUtility(value); };
    window.onDrop = [&logic](const std::vector<std::string>& paths) { logic.drop(paths); };
    window.onPageChanged = [&logic](MainPage page) { logic.pageChanged(page); };
    window.onOption = [&logic](ProgramOption option, bool on) { logic.setOption(option, on); };
    window.onHelp = [&w](int context) { w.help.showHelp(context); };
    window.onAbout = [&w] { w.help.showAbout(); };
    window.onDebug = [&w] { w.help.showSupportReport(); };
}

// The console runs its jobs through the run operation and brings back the
// window a job came from.
void connectConsole(WorkbenchWindows& w) {
    Services& s = w.services;
    w.consoleForm.attach(w.console);
    w.consoleForm.onHelp = [&w](int context) { w.help.showHelp(context); };
    w.console.runOperation = [&s](const std::string& command, bool wait) { s.launcher.run(command, wait); };
    s.launcher.setConsole(w.console);
    w.console.bringToFront = [&w](int windowNumber) {
        if (windowNumber != kMainWindowNumber) return w.dialogs.bringToFront(windowNumber);
        w.window.raise();
        w.window.activateWindow();
    };
}

// Each utility dialog, made on its first use over the main window.
void provideDialogs(WorkbenchWindows& w) {
    w.dialogs.provide(kRunDialogNumber, [&w] { return std::make_unique<FormWindow>(new RunForm(w.dialogContext, &w.window)); });
    w.dialogs.provide(kCleanupDialogNumber, [&w] {
        auto chooseFolder = [&w](const std::string&, const std::string& start) -> std::optional<std::string> {
            QString folder = QFileDialog::getExistingDirectory(&w.window, QString(), QString::fromStdString(start));
            if (folder.isEmpty()) return std::nullopt;
            return folder.endsWith('/') ? folder.toStdString() : folder.toStdString() + "/";
        };
        return std::make_unique<CleanupWindow>(w.dialogContext, w.deleteFiles, chooseFolder, &w.window);
    });
    w.dialogs.provideExisting(kConsoleWindowNumber, [&w] {
        if (!w.consoleForm.isVisible()) return;
        w.consoleForm.raise();
        w.consoleForm.activateWindow();
    });
    w.window.onWindowActivated = [&w] { w.dialogs.mainWindowActivated(); };
}

}  // namespace

WorkbenchWindows::WorkbenchWindows(Services& s)
    : services(s),
      deleteFiles(s.workbench, {s.files, mounts,
                                [this]() -> DeletingFilesView& {
                                    auto* form = new DeletingFilesForm(&window);
                                    form->applyTexts(services.workbench.uiStrings, services.workbench.charsetName);
                                    return *form;
                                },
                                [] {
                                    QCoreApplication::processEvents();
                                    return false;  // a termination signal runs the whole shut-down itself
                                },
                                [this] { return console.jobRunning(); }}),
      quitCleanup(s.workbench, deleteFiles),
      dispatcher(s.workbench, {s.launcher, s.shellOpen, s.ui, window, shell}),
      dialogs(s.workbench, {dispatcher, s.ui, window, quitDeletion}),
      dialogContext {s.workbench, window, shell, dialogs, s.desktop, s.ui, s.files, s.shellOpen, s.launcher},
      console(s.workbench, consoleForm, {s.pipedProcesses, s.mainThread, s.ui, s.desktop, dialogs}),
      sessionJobs(s.workbench, s.launcher, console),
      editorProfile(s.workbench, {s.files, s.environment, s.ui, window}),
      help(s.workbench, s.files, s.shellOpen, aboutAndReport),
      firstRunDefaults(s.files, s.environment, s.programs),
      blockCompile(s.workbench, {s.files, s.clipboard, s.launcher, s.ui, window, s.editor.exchanges(), blockLines}),
      jobs(s.workbench, {s.launcher, s.files, s.ui, window, s.environment, shell, &console}),
      logic(s.workbench, window, window, chooserForm, {s.files, s.ui, s.desktop, dialogs, shell, &jobs}) {
    s.ui.setMainWindow(&window);
    // The desktop's boxes and file dialogs pause the stay-on-top style as the
    // logic's own choosers and dialogs do.
    s.ui.setModalHook([this](bool opening) {
        if (opening) stayOnTopPauses.opened();
        else stayOnTopPauses.closed();
    });
    jobs.saveBeforeCompile = [&s] { s.editor.exchanges().saveBeforeJob(); };
    logic.hooks.saveBeforeJob = jobs.saveBeforeCompile;
    jobs.compileBlock = [this] { blockCompile.request(); };
    connectMainWindow(*this);
    connectConsole(*this);
    provideDialogs(*this);
}

StartupPorts WorkbenchWindows::startupPorts() {
    return {firstRunDefaults, ownTree, editorProfile, services.editor, sessionJobs, console, jobs, shell, help,
            configSections};
}

ShutdownPorts WorkbenchWindows::shutdownPorts() {
    return {sessionJobs, services.editor.exchanges(), dialogs, configSections};
}

void WorkbenchWindows::translateConsole() {
    applyCurrentTexts(&consoleForm, services.workbench.uiStrings, services.workbench.charsetName);
    dialogs.languageApplied();
}

void WorkbenchWindows::showProgramOptions() {
    logic.languageChanged();
    for (ProgramOption option : kProgramOptions) window.showOption(option, logic.option(option));
}

}  // namespace orvo
