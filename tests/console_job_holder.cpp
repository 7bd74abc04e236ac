// A workbench stand-in for tests: runs one command through the run operation
// with console capture, as the workbench does, and keeps handling the job's
// output until it is killed.
//
// console_job_holder PROGRAM-FOLDER COMMAND
#include <QCoreApplication>

#include "core/utility_dialogs.h"
#include "core/workbench.h"
#include "jobs/console_window.h"
#include "jobs/launcher.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_user_interaction.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_piped_process.h"
#include "platform/linux/linux_process_launcher.h"
#include "platform/qt/qt_main_thread.h"
#include "tests/fake_console_view.h"
#include "tests/staged_jobs.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 3) return 2;
    using namespace orvo;
    Workbench workbench;
    test::useStagedPrograms(workbench, argv[1]);
    workbench.RunDosWindow = true;
    FakeConsoleView view;
    LinuxPipedProcessStarter pipedProcesses;
    QtMainThread mainThread;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    NullUtilityDialogs dialogs;
    ConsoleWindow console(workbench, view, {pipedProcesses, mainThread, ui, desktop, dialogs});
    LinuxProcessLauncher processes;
    FakeOtherWindows windows;
    LinuxFileSystem files;
    Launcher launcher(workbench, {processes, windows, files, ui, &console});
    launcher.run(argv[2], false);
    return application.exec();
}
