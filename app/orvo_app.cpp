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
#include "actions/main_file_actions.h"
#include "actions/main_window_logic.h"
#include "actions/qt/chooser_form.h"
#include "actions/qt/main_window.h"
#include "core/command_line.h"
#include "core/qt/qt_text_target.h"
#include "core/shutdown.h"
#include "core/startup.h"
#include "core/workbench.h"
#include "editor/editor_choice.h"
#include "editor/editor_session.h"
#include "editor/forall_topic.h"
#include "editor/spell_check.h"
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

// Work of later steps that the main window's controls start.
void openPrinterOptionsHook() {}
void dispatchUtilityHook(const std::string&) {}
void helpRequestHook(int) {}
void showAboutBoxHook() {}
void showSupportReportHook() {}

constexpr ProgramOption kProgramOptions[] = {
    ProgramOption::StayOnTop,     ProgramOption::GrabConsoleOutput, ProgramOption::AlwaysShowConsole,
    ProgramOption::ReplaceVirtualFonts, ProgramOption::GradientCaption, ProgramOption::ShowOnTaskBar,
    ProgramOption::ShowOnTaskTray,
};

// The editor's part of the main window: Edit, Spell-check and the editor choice.
struct EditorControls {
    EditorSession& session;
    SpellCheckServices spellCheck;
    EditorChoiceServices choice;
    ChooserView& chooser;
};

// The main window's controls forwarded to its logic.
void connectMainWindow(MainWindow& window, MainWindowLogic& logic, ConsoleWindow& console, Workbench& workbench,
                       EditorControls& editor) {
    logic.hooks.edit = [&editor] { editor.session.startEditor(); };
    logic.hooks.spellCheck = [&workbench, &editor] { spellCheck(workbench, editor.spellCheck); };
    logic.hooks.printerOptions = openPrinterOptionsHook;
    logic.hooks.showConsole = [&console] { console.show(); };
    logic.hooks.chooseEditor = [&workbench, &editor] {
        chooseEditor(workbench, editor.choice, [&editor](const std::string& caption, const std::vector<std::string>& names) {
            ChooserRequest request;
            request.caption = caption;
            request.items = names;
            request.icon = kEditorChooserIcon;
            std::optional<int> chosen = editor.chooser.choose(request).chosen;
            return chosen ? std::optional<std::string>(names[std::size_t(*chosen)]) : std::nullopt;
        });
    };
    logic.hooks.runUtility = dispatchUtilityHook;
    window.onActivate = [&logic](MainControl control, ButtonRole role, MenuAnchor at) {
        logic.activate(control, role, at);
    };
    window.onUtility = [&logic](const std::string& value) { logic.chooseUtility(value); };
    window.onDrop = [&logic](const std::vector<std::string>& paths) { logic.drop(paths); };
    window.onPageChanged = [&logic](MainPage page) { logic.pageChanged(page); };
    window.onOption = [&logic](ProgramOption option, bool on) { logic.setOption(option, on); };
    window.onHelp = helpRequestHook;
    window.onAbout = showAboutBoxHook;
    window.onDebug = showSupportReportHook;
}

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
    ChooserForm chooserForm(&window);
    ConsoleForm consoleForm(&window);
    ConsoleWindow console(p.workbench, consoleForm, {p.pipedProcesses, p.mainThread, p.ui, p.desktop});
    consoleForm.attach(console);
    console.runOperation = [&p](const std::string& command, bool wait) { p.launcher.run(command, wait); };
    p.launcher.setConsole(console);
    // The main window's buffer for the lines read by a failed block fetch
    // comes with the block-compile view.
    BlockCompile blockCompile(p.workbench,
                              {p.files, p.clipboard, p.launcher, p.ui, window, p.editor.exchanges(), nullptr});
    MainFileActions jobs(p.workbench, {p.launcher, p.files, p.ui, window, p.environment, &console});
    jobs.saveBeforeCompile = [&p] { p.editor.exchanges().saveBeforeJob(); };
    jobs.compileBlock = [&blockCompile] { blockCompile.request(); };
    MainWindowLogic windowLogic(p.workbench, window, window, chooserForm, {p.files, p.ui, p.desktop, &jobs});
    EditorControls editorControls {p.editor,
                                   {p.editor.exchanges(), p.launcher, p.files, window},
                                   {p.files, p.environment, window},
                                   chooserForm};
    connectMainWindow(window, windowLogic, console, p.workbench, editorControls);
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
                    {p.files, p.environment, p.ui, p.desktop, p.programs, &p.launcher, &console, &p.editor, &jobs},
                    commandLine);
    // The console lives as long as the main window: it takes each language
    // the main window takes.
    auto translateConsole = [&p, &consoleForm] {
        applyCurrentTexts(&consoleForm, p.workbench.uiStrings, p.workbench.charsetName);
    };
    startup.language().onApplied(translateConsole);
    if (startup.createMainWindow(executableFolder()) == StartupOutcome::Aborted) return 0;
    translateConsole();

    if (!p.instanceGuard.claim(kInstanceName)) {
        p.ui.showMessage({MessageKind::Warning,
                          Startup::messageText(p.workbench, kAlreadyRunningMessage, "Orvo is already running."),
                          MessageButtons::Ok, MessagePlacement::ScreenCentre});
        return 0;
    }
    startup.finishProgramEntry();

    // Editors and scripts reach the workbench under its program name, topic
    // "forall"; without a session bus nothing is offered.
    ForallTopic forall(p.workbench, [&blockCompile] { blockCompile.run(); }, [&p, &window] {
        if (p.workbench.StayOnTop) window.setStayOnTop(true);
    });
    p.ddeServer.offer(serviceNameOf(executablePath()), kForallTopic, forall);
    windowLogic.languageChanged();
    for (ProgramOption option : kProgramOptions) window.showOption(option, windowLogic.option(option));
    window.onApplyScreenOptions = [&startup, &windowLogic] {
        startup.language().applyIfChanged();
        windowLogic.languageChanged();
    };
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
