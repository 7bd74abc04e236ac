#include "jobs/launcher.h"

#include "core/text.h"
#include "core/workbench.h"
#include "core/command_words.h"
#include "core/console_port.h"
#include "platform/file_system.h"
#include "platform/other_windows.h"
#include "platform/process_launcher.h"
#include "platform/user_interaction.h"

namespace orvo {

std::string commandProcessorLine(const Workbench& workbench, std::string_view command) {
    const std::string& program = workbench.FourDosProgram;
    std::string line = program.empty() ? program : quoteWordIfNeeded(program);
    return line + " " + workbench.FourDosOptions + " " + std::string(command);
}

Launcher::Launcher(Workbench& workbench, LaunchServices services) : workbench_(workbench), services_(services) {}

void Launcher::run(const JobCommand& command, bool wait) {
    std::string job = trim(command.line);
    bool capture = workbench_.RunDosWindow && command.captured;
    if (capture && services_.console) {
        runInConsole(job, wait);
        return;
    }
    startDirect(commandProcessorLine(workbench_, job), wait);
    workbench_.jobs.compileBusy = false;
}

void Launcher::runInConsole(const std::string& command, bool wait) {
    ConsolePort& console = *services_.console;
    if (!console.exists()) console.ensureCreated();
    else if (!wait) console.clearOutput();
    console.setCloseWhenDone(true);
    workbench_.jobs.pendingConsoleCommand = commandProcessorLine(workbench_, command);
    console.appendLine(command);
    console.appendLine("");
    console.appendLine("");
    // The console window starts the job when it becomes active and clears
    // the compile-busy flag when the job ends.
    console.show();
}

bool Launcher::startDirect(std::string_view programLine, bool wait) {
    std::vector<std::string> argv = splitCommandLine(programLine);
    bool started = false;
    if (!wait) {
        started = !argv.empty() && services_.processes.startDetached(argv);
    } else if (auto process = argv.empty() ? std::nullopt : services_.processes.start(argv)) {
        started = true;
        // The workbench takes no input until the program has ended.
        while (!services_.processes.waitForEnd(*process, kWaitSliceMs)) {
        }
    }
    if (!started) {
        // The desktop takes the main window's stay-on-top style away while
        // any box is open and gives it back afterwards.
        services_.ui.showMessage({MessageKind::Error, "Executing \n" + std::string(programLine) + "\n failed!",
                                  MessageButtons::Ok, MessagePlacement::CornerAtMainWindowCorner});
    }
    return started;
}

void Launcher::changeFolder(const std::string& folder) {
    if (services_.files.directoryExists(folder)) services_.files.setCurrentDirectory(folder);
}

void Launcher::closeAuxiliaryWindows() {
    std::string list = workbench_.KillProcesses;
    if (!workbench_.KillEditorProcesses.empty()) list += ";" + workbench_.KillEditorProcesses;
    for (const std::string& name : split(list, ';')) {
        std::string className = trim(name);
        if (!className.empty()) services_.windows.closeWindowOfClass(className);
    }
}

}  // namespace orvo
