#include "app/orvo_app.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/services.h"
#include "app/termination.h"
#include "app/workbench_windows.h"
#include "core/command_line.h"
#include "editor/forall_topic.h"
#include "platform/linux/executable_path.h"
#include "platform/linux/regular_file.h"

namespace orvo {
namespace {

long residentKilobytes() {
    std::string status = readRegularFile("/proc/self/status").content;
    std::size_t at = status.find("\nVmRSS:");
    return at == std::string::npos ? -1 : std::atol(status.c_str() + at + 7);
}

// For benchmarks and end-to-end tests: say when the window is up, then quit
// normally, or stay when asked to.
void reportShownWhenAsked(MainWindow& window) {
    const char* report = std::getenv("ORVO_REPORT_SHOWN");
    if (!report) return;
    bool stay = std::string(report) == "stay";
    QTimer::singleShot(0, &window, [&window, stay] {
        std::fprintf(stderr, "orvo-shown rss_kb=%ld\n", residentKilobytes());
        std::fflush(stderr);
        if (!stay) window.close();
    });
}

bool claimSingleInstance(Services& s) {
    if (s.instanceGuard.claim(kInstanceName)) return true;
    s.ui.showMessage({MessageKind::Warning,
                      Startup::messageText(s.workbench, kAlreadyRunningMessage, "Orvo is already running."),
                      MessageButtons::Ok, MessagePlacement::ScreenCentre});
    return false;
}

}  // namespace

OrvoApp::OrvoApp() : services_(std::make_unique<Services>()) {}
OrvoApp::~OrvoApp() = default;

int OrvoApp::run(int argc, char** argv) {
    Services& s = *services_;
    int signalFd = s.terminationSignals.install();
    // The command line is the workbench's own: Qt sees none of it, so a
    // document named "-reverse" or "-style" stays a document.
    CommandLine commandLine;
    for (int i = 1; i < argc; ++i) commandLine.parameters.emplace_back(argv[i]);
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName("Orvo");
    QApplication::setApplicationDisplayName("Orvo");

    WorkbenchWindows windows(s);
    // From here on a termination signal ends whatever box is open and closes
    // the main window, which runs the shut-down once the window exists.
    TerminationHandling termination(windows, signalFd);

    Startup startup(s.workbench, windows.window, {s.files, s.environment, s.ui, s.desktop, s.programs},
                    windows.startupPorts(), commandLine);
    // Each language has help pages of its own.
    startup.language().onApplied([&windows] {
        windows.translateConsole();
        windows.help.loadTopics();
    });
    if (startup.createMainWindow(executableFolder()) == StartupOutcome::Aborted) return 0;
    windows.translateConsole();
    if (!claimSingleInstance(s)) return 0;
    startup.finishProgramEntry();

    // Editors and scripts reach the workbench under its program name, topic
    // "forall"; without a session bus nothing is offered.
    ForallTopic forall(s.workbench, [&windows] { windows.blockCompile.run(); }, [&s, &windows] {
        if (s.workbench.StayOnTop) windows.window.setStayOnTop(true);
    });
    s.ddeServer.offer(serviceNameOf(executablePath()), kForallTopic, forall);
    windows.showProgramOptions();
    windows.window.onApplyScreenOptions = [&startup, &windows] {
        startup.language().applyIfChanged();
        windows.logic.languageChanged();
    };
    windows.console.finishStartup();

    Shutdown shutdown(s.workbench, windows.window, {s.files, s.ui, s.desktop}, windows.shutdownPorts());
    windows.window.onClose = [&shutdown] { shutdown.run(); };
    windows.window.onQuit = [&shutdown, &windows] {
        shutdown.recordWindowPosition();
        windows.window.close();
    };

    if (termination.requested()) {
        // Asked to end while starting up: save as "Quit" would, without showing the window.
        shutdown.run();
        return 0;
    }
    windows.window.show();
    reportShownWhenAsked(windows.window);
    int status = application.exec();
    shutdown.run();  // when the loop ended some other way than by closing the window
    return status;
}

}  // namespace orvo
