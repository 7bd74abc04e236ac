#include "app/orvo_app.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "actions/block_compile.h"
#include "core/command_line.h"
#include "core/qt/main_window.h"
#include "core/shutdown.h"
#include "core/startup.h"
#include "core/workbench.h"
#include "editor/editor_session.h"
#include "editor/forall_topic.h"
#include "jobs/console_window.h"
#include "jobs/launcher.h"
#include "jobs/qt/console_form.h"
#include "platform/dbus/dbus_dde.h"
#include "platform/linux/linux_environment.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_instance_guard.h"
#include "platform/linux/linux_other_windows.h"
#include "platform/linux/linux_piped_process.h"
#include "platform/linux/linux_process_launcher.h"
#include "platform/linux/linux_program_output.h"
#include "platform/linux/linux_termination_signals.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_main_thread.h"
#include "platform/qt/qt_repeating_timer.h"
#include "platform/qt/qt_user_interaction.h"

namespace orvo {
namespace {

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

// Ends every open box or dialog as if cancelled, innermost first.
void endModalWindows() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->close();
        QCoreApplication::processEvents();
        if (QApplication::activeModalWidget() == modal) break;
    }
}

// Utility dialogs of later steps come back to the front at the end of their job.
void bringDialogToFrontHook(int) {}

// "%CHECKSTAYONTOP" gives the main window its stay-on-top style back when its
// "Stay on top" box is ticked; the box comes with the screen options.
void checkStayOnTopHook() {}

}  // namespace

std::string executablePath() {
    char buffer[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    return std::string(buffer, std::size_t(n));
}

std::string executableFolder() {
    std::string path = executablePath();
    return path.substr(0, path.rfind('/') + 1);
}

struct OrvoApp::Parts {
    LinuxFileSystem files;
    LinuxEnvironment environment;
    LinuxProgramOutput programs;
    LinuxInstanceGuard instanceGuard;
    LinuxTerminationSignals terminationSignals;
    LinuxPipedProcessStarter pipedProcesses;
    QtMainThread mainThread;
    QtDesktop desktop;
    QtUserInteraction ui;
    LinuxProcessLauncher processes;
    LinuxOtherWindows otherWindows;
    DBusDdeClient ddeClient;
    DBusDdeServer ddeServer;
    QtRepeatingTimer autoSaveTimer;
    QtRepeatingTimer editorStartTimer;
    QtClipboard clipboard;
    Workbench workbench;
    Launcher launcher {workbench, {processes, otherWindows, files, ui}};
    // The spell-checker notice lets pending events through once.
    EditorSession editor {workbench,
                          {{ddeClient, otherWindows, [] { QCoreApplication::processEvents(); }},
                           launcher,
                           autoSaveTimer,
                           editorStartTimer}};
};

OrvoApp::OrvoApp() : parts_(std::make_unique<Parts>()) {}
OrvoApp::~OrvoApp() = default;

int OrvoApp::run(int argc, char** argv) {
    Parts& p = *parts_;
    int signalFd = p.terminationSignals.install();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvo");
    QApplication::setApplicationDisplayName("Orvo");

    CommandLine commandLine;
    for (int i = 1; i < argc; ++i) commandLine.parameters.emplace_back(argv[i]);

    MainWindow window;
    p.ui.setMainWindow(&window);
    ConsoleForm consoleForm(&window);
    ConsoleWindow console(p.workbench, consoleForm, {p.pipedProcesses, p.mainThread, p.ui, p.desktop});
    consoleForm.attach(console);
    console.runOperation = [&p](const std::string& command, bool wait) { p.launcher.run(command, wait); };
    p.launcher.setConsole(console);
    console.bringToFront = [&window](int windowNumber) {
        if (windowNumber != kMainWindowNumber) return bringDialogToFrontHook(windowNumber);
        window.raise();
        window.activateWindow();
    };
    // From here on a termination signal ends whatever box is open and closes
    // the main window, which runs the shut-down once the window exists.
    bool endRequested = false;
    if (signalFd >= 0) {
        auto* notifier = new QSocketNotifier(signalFd, QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [&p, &window, &console, &endRequested] {
            p.terminationSignals.drain();
            endRequested = true;
            p.ui.setEnding();
            console.setUnattended();
            endModalWindows();
            QTimer::singleShot(0, &window, [&window] {
                if (window.onClose) window.close();
                else QCoreApplication::exit(0);
            });
        });
    }
    p.ui.setModalHook([&window](bool opening) {
        static bool restore = false;
        if (opening) {
            restore = window.stayOnTop();
            if (restore) window.setStayOnTop(false);
        } else if (restore) {
            window.setStayOnTop(true);
        }
    });

    Startup startup(p.workbench, window,
                    {p.files, p.environment, p.ui, p.desktop, p.programs, &p.launcher, &console, &p.editor},
                    commandLine);
    if (startup.createMainWindow(executableFolder()) == StartupOutcome::Aborted) return 0;

    if (!p.instanceGuard.claim(kInstanceName)) {
        p.ui.showMessage({MessageKind::Warning,
                          Startup::messageText(p.workbench, kAlreadyRunningMessage, "Orvo is already running."),
                          MessageButtons::Ok, MessagePlacement::ScreenCentre});
        return 0;
    }
    startup.finishProgramEntry();

    // Editors and scripts reach the workbench under its program name, topic
    // "forall"; without a session bus nothing is offered.
    // The main window's buffer for the lines read comes with the full main window.
    BlockCompile blockCompile(p.workbench,
                              {p.files, p.clipboard, p.launcher, p.ui, window, p.editor.exchanges(), nullptr});
    ForallTopic forall(p.workbench, [&blockCompile] { blockCompile.run(); }, checkStayOnTopHook);
    p.ddeServer.offer(serviceNameOf(executablePath()), kForallTopic, forall);
    window.onApplyScreenOptions = [&startup] { startup.language().applyIfChanged(); };
    console.finishStartup();

    Shutdown shutdown(p.workbench, window, {p.files, p.ui, p.desktop, &p.launcher, &console, &p.editor.exchanges()});
    window.onClose = [&shutdown] { shutdown.run(); };
    window.onQuit = [&shutdown, &window] {
        shutdown.recordWindowPosition();
        window.close();
    };

    if (endRequested) {
        // Asked to end while starting up: save as "Quit" would, without showing the window.
        shutdown.run();
        return 0;
    }
    window.show();
    if (const char* report = std::getenv("ORVO_REPORT_SHOWN")) {
        // For benchmarks and end-to-end tests: say when the window is up, then
        // quit normally, or stay when asked to.
        bool stay = std::string(report) == "stay";
        QTimer::singleShot(0, &window, [&window, stay] {
            std::fprintf(stderr, "orvo-shown rss_kb=%ld\n", residentKilobytes());
            std::fflush(stderr);
            if (!stay) window.close();
        });
    }
    int status = application.exec();
    shutdown.run();  // when the loop ended some other way than by closing the window
    return status;
}

}  // namespace orvo
