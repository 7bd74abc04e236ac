// A compile through the workbench against the same compile run directly: a
// generated 20-page LaTeX document is compiled by the Compile action in
// script mode with console capture on (the command processor orvocmd runs
// COMPILER, which runs latex, its output shown by the console window,
// offscreen), and by `latex FILE` started directly with its output thrown
// away. Each figure is the median of several runs, taken in turns.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "actions/main_file_actions.h"
#include "bench/bench_console.h"
#include "core/main_window_shell.h"
#include "core/utility_dialogs.h"
#include "core/workbench.h"
#include "jobs/console_window.h"
#include "jobs/launcher.h"
#include "jobs/qt/console_form.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_user_interaction.h"
#include "platform/linux/linux_environment.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_piped_process.h"
#include "platform/linux/linux_process_launcher.h"
#include "platform/qt/qt_main_thread.h"
#include "tests/fake_main_window_view.h"


namespace orvo {
namespace {

constexpr int kPages = 20;
constexpr int kRuns = 31;
constexpr const char* kDocument = "bench.tex";

// An article of kPages pages: plain paragraphs, a page break after each
// group, only the kernel's own commands.
std::string benchDocument() {
    const std::string paragraph =
        "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore "
        "et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut "
        "aliquip ex ea commodo consequat. Duis aute irure dolor in reprehenderit in voluptate velit esse "
        "cillum dolore eu fugiat nulla pariatur. $a^2+b^2=c^2$ and \\emph{excepteur sint occaecat}.\n\n";
    std::string text = "\\documentclass{article}\n\\begin{document}\n";
    for (int page = 1; page <= kPages; ++page) {
        text += "\\section{Part " + std::to_string(page) + "}\n";
        for (int i = 0; i < 4; ++i) text += paragraph;
        if (page < kPages) text += "\\newpage\n";
    }
    return text + "\\end{document}\n";
}

// `latex FILE` in `folder`, its output discarded, in seconds.
double directSeconds(const std::string& folder) {
    return bench::shellSeconds("cd '" + folder + "' && exec latex " + kDocument + " >/dev/null 2>&1 </dev/null");
}


double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace
}  // namespace orvo

int main(int argc, char** argv) {
    using namespace orvo;
    QApplication application(argc, argv);
    // The compile runs in the document's folder: the stage's path must not
    // be relative.
    std::string stage = QCoreApplication::applicationDirPath().toStdString() + "/../stage/";

    char folderTemplate[] = "/tmp/orvo-compile-bench-XXXXXX";
    if (!mkdtemp(folderTemplate)) return 1;
    std::string folder = std::string(folderTemplate) + "/";
    std::ofstream(folder + kDocument) << benchDocument();

    Workbench workbench;
    workbench.OrvoBTMDir = stage;
    workbench.FourDosProgram = stage + "orvocmd";
    workbench.FourDosOptions = "/c";
    workbench.CompileUseBTM = true;
    workbench.RunDosWindow = true;
    workbench.FormatName = "&web2cbin/latex";
    workbench.mainPath = folder;
    workbench.MainFileName = kDocument;
    workbench.RedirectFont = "DejaVu Sans Mono";

    LinuxFileSystem files;
    LinuxProcessLauncher processes;
    LinuxEnvironment environment;
    LinuxPipedProcessStarter pipedProcesses;
    QtMainThread mainThread;
    FakeOtherWindows windows;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    NullUtilityDialogs dialogs;
    NullMainWindowShell shell;
    FakeMainWindowView view;
    bench::TimedForm form;
    ConsoleWindow console(workbench, form, {pipedProcesses, mainThread, ui, desktop, dialogs});
    form.attach(console);
    console.ensureCreated();
    console.finishStartup();
    Launcher launcher(workbench, {processes, windows, files, ui, &console});
    MainFileActions actions(workbench, {launcher, files, ui, view, environment, shell, &console});

    // One untimed run of each fills the file caches.
    directSeconds(folder);
    std::vector<double> direct, throughConsole;
    for (int run = 0; run <= kRuns; ++run) {
        QEventLoop loop;
        form.waiting = &loop;
        QElapsedTimer timer;
        timer.start();
        actions.compile();
        if (workbench.jobs.compileBusy) loop.exec();
        double seconds = timer.nsecsElapsed() / 1e9;
        form.waiting = nullptr;
        if (run > 0) {
            throughConsole.push_back(seconds);
            direct.push_back(directSeconds(folder));
        }
    }
    std::size_t lines = console.output().lineCount();
    std::string last = lines ? std::string(console.output().line(lines - 1)) : std::string();
    if (!ui.shown.empty()) std::fprintf(stderr, "compile_bench: %s\n", ui.shown.front().text.c_str());
    std::fprintf(stderr, "compile_bench: %zu console lines, the last: %s\n", lines, last.c_str());

    double consoleS = median(throughConsole);
    double directS = median(direct);
    std::printf("compile_console_s: %.3f s\n", consoleS);
    std::printf("compile_direct_s: %.3f s\n", directS);
    std::printf("compile_ratio: %.2f\n", consoleS / directS);
    // What capturing a job costs on top of the job itself: the command
    // processor, the script, the console's start and the end of the job.
    std::printf("compile_overhead_ms: %.1f ms\n", (consoleS - directS) * 1000);
    std::string cleanup = "rm -rf '" + std::string(folderTemplate) + "'";
    return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
