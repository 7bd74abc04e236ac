#include "actions/main_file_actions.h"

#include <algorithm>

#include "actions/batch_folder.h"
#include "actions/compile_commands.h"
#include "actions/output_commands.h"
#include "actions/print_destination.h"
#include "core/command_markers.h"
#include "core/file_lookup.h"
#include "core/main_window_messages.h"
#include "core/main_window_shell.h"
#include "core/main_window_view.h"
#include "core/path_names.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/workbench.h"
#include "core/command_words.h"
#include "core/console_port.h"
#include "jobs/launcher.h"
#include "platform/environment.h"
#include "platform/file_system.h"

namespace orvo {

MainFileActions::MainFileActions(Workbench& workbench, JobActionServices services)
    : workbench_(workbench), services_(services) {}

void MainFileActions::compile() {
    Workbench& w = workbench_;
    // The Compile buttons ignore presses while this is set; the job's end
    // clears it.
    w.jobs.compileBusy = true;
    w.jobs.originatingDialog = kMainWindowNumber;
    if (saveBeforeCompile) saveBeforeCompile();
    // From here on the main file is named by `MainFileName` alone.
    services_.launcher.changeFolder(w.mainPath);
    if (w.CompileUseBTM) compileWithScript();
    else compileDirectly();
}

void MainFileActions::compileWithScript() {
    Workbench& w = workbench_;
    if (w.MainFileName.empty() || !services_.files.fileExists(w.mainPath + w.MainFileName)) {
        inform(kMainFileMissingMessage, "The main file does not exist. Choose a main TeX file first.");
        w.jobs.compileBusy = false;
        return;
    }
    services_.launcher.run(scriptModeCommand(w), false);
}

void MainFileActions::compileDirectly() {
    Workbench& w = workbench_;
    // The main file's own DVI file goes, so that a failed compile leaves none
    // behind to preview; one that cannot be deleted stays.
    std::string dvi = w.mainPath + baseName(w.MainFileName) + ".DVI";
    if (!w.MainFileName.empty()) {
        if (auto found = findFileIgnoringCase(services_.files, dvi)) services_.files.removeFile(*found);
    }
    if (hasCustomCompileScript(w)) {
        if (services_.console) services_.console->setCloseWhenDone(true);
        if (!w.AlwaysDevirtualize) {
            services_.launcher.run(customCompileCommand(w), false);
            return;
        }
        // The script has the devirtualize flag too; DEVIRT still follows once
        // it has ended, as after every direct compile.
        runToEnd(customCompileCommand(w));
        devirtualizeAfterCompile();
        return;
    }
    if (!services_.console) {
        // No console window yet: the compile runs uncaptured, and is waited
        // for when DEVIRT has to follow.
        services_.launcher.run(directCompileLine(w), w.AlwaysDevirtualize);
        if (w.AlwaysDevirtualize) devirtualizeAfterCompile();
        return;
    }
    compileInConsole(*services_.console);
}

void MainFileActions::compileInConsole(ConsolePort& console) {
    Workbench& w = workbench_;
    std::string line = directCompileLine(w);
    if (!console.exists()) console.ensureCreated();
    console.clearOutput();
    w.jobs.pendingConsoleCommand = directCommandProcessor() + " " + line;
    console.setCloseWhenDone(true);
    w.jobs.originatingDialog = kMainWindowNumber;
    console.appendLine(trim(line));
    console.appendLine("");
    console.appendLine("");
    if (!w.AlwaysDevirtualize) {
        // The window starts the compile when it becomes active.
        console.show();
        return;
    }
    console.close();
    console.setCloseWhenDone(true);
    w.jobs.originatingDialog = kNoOriginatingDialog;
    w.jobs.pendingConsoleCommand =
        directCommandProcessor() + " " + formatCommand(w) + " " + quoteWordIfNeeded(texInputName(w));
    console.showModal();
    devirtualizeAfterCompile();
}

void MainFileActions::runToEnd(const JobCommand& command) {
    Workbench& w = workbench_;
    ConsolePort* console = services_.console;
    std::string job = trim(command.line);
    if (!console || !w.RunDosWindow || !command.captured) {
        services_.launcher.run(command, true);
        return;
    }
    if (!console->exists()) console->ensureCreated();
    console->clearOutput();
    console->setCloseWhenDone(true);
    w.jobs.originatingDialog = kNoOriginatingDialog;
    w.jobs.pendingConsoleCommand = commandProcessorLine(w, job);
    console->appendLine(job);
    console->appendLine("");
    console->appendLine("");
    console->showModal();
}

void MainFileActions::devirtualizeAfterCompile() {
    Workbench& w = workbench_;
    // Captured, DEVIRT's output is appended to the compile's.
    services_.launcher.run(devirtCommand(w), true);
    w.jobs.originatingDialog = kMainWindowNumber;
    if (services_.console) services_.console->show();
}

std::string MainFileActions::directCommandProcessor() const {
    const Workbench& w = workbench_;
    std::string program = services_.environment.get("COMSPEC").value_or(w.FourDosProgram);
    return quoteWordIfNeeded(program) + " /c";
}

void MainFileActions::blockCompile() {
    if (compileBlock) compileBlock();
}

void MainFileActions::preview() {
    Workbench& w = workbench_;
    services_.shell.recordWindowPlace();
    std::string command = previewCommand(w);
    services_.launcher.changeFolder(w.mainPath);
    w.jobs.originatingDialog = kMainWindowNumber;
    if (previewerNeedsCommandProcessor(w)) services_.launcher.run({command, takeMarkers(w.Viewer)}, false);
    else services_.launcher.startDirect(command, false);
    services_.shell.hideTaskBarButton();
}

void MainFileActions::print() {
    Workbench& w = workbench_;
    services_.shell.recordWindowPlace();
    w.jobs.originatingDialog = kMainWindowNumber;
    const PrinterSwitchTable& switches = w.printerSettings.switches;
    std::string tail = printOptionTail({services_.view.printerOptionsText(),
                                        switches.present(PrinterSwitch::ToOutputFile)
                                            ? switches[PrinterSwitch::ToOutputFile]
                                            : std::string(),
                                        w.PrinterPort, switches.present(PrinterSwitch::StripSpace)});
    std::optional<std::string> dvi =
        w.dviFileName.empty() ? std::nullopt : findFileIgnoringCase(services_.files, w.dviFileName);
    if (!dvi) {
        inform(kDviFileMissingMessage, "The DVI file does not exist. Compile the main file before printing.");
        services_.shell.hideTaskBarButton();
        return;
    }
    bool throughCommandProcessor = printerNeedsCommandProcessor(w);
    MarkedTemplate printer = takeMarkers(w.Printer);
    for (int copy = 0; copy < std::max(1, w.printerSettings.printRepetitions); ++copy) {
        services_.launcher.changeFolder(folderOf(*dvi));
        std::string command = printCommand(w, tail, *dvi);
        if (throughCommandProcessor) services_.launcher.run({command, printer}, false);
        else services_.launcher.startDirect(command, false);
    }
    services_.shell.hideTaskBarButton();
}

void MainFileActions::openLogFile() {
    Workbench& w = workbench_;
    services_.shell.recordWindowPlace();
    std::string log = w.mainPath + baseName(w.MainFileName) + ".LOG";
    services_.launcher.changeFolder(w.mainPath);
    std::optional<std::string> found =
        w.MainFileName.empty() ? std::nullopt : findFileIgnoringCase(services_.files, log);
    if (!found) {
        inform(kLogFileMissingMessage, "The log file does not exist. Compile the main file first.");
        return;
    }
    std::string viewer = trim(w.editor.LogFileViewer).empty() ? std::string(kDefaultLogFileViewer) : w.editor.LogFileViewer;
    services_.launcher.startDirect(viewer + " " + quoteWordIfNeeded(*found), false);
}

void MainFileActions::redirectPrintDestination() {
    orvo::redirectPrintDestination(workbench_, {services_.files, services_.launcher, services_.console});
}

void MainFileActions::inform(int entry, const std::string& fallback) {
    showOverMainWindow(services_.view, services_.ui,
                       {MessageKind::Information, Startup::messageText(workbench_, entry, fallback),
                        MessageButtons::Ok, MessagePlacement::MainWindowCentre});
}

}  // namespace orvo
