#pragma once
// Jobs run for real through the console window: the staged orvocmd and
// scripts, the real run operation and process starts, the console's logic
// with its Qt window, a temporary folder made the current one.
#include "core/utility_dialogs.h"
#include "core/workbench.h"
#include "jobs/console_window.h"
#include "jobs/launcher.h"
#include "jobs/qt/console_form.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_user_interaction.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_piped_process.h"
#include "platform/linux/linux_process_launcher.h"
#include "platform/qt/qt_main_thread.h"
#include "tests/orvo_process.h"
#include "tests/staged_jobs.h"
#include "tests/temp_dir.h"

namespace orvo::test {

struct StagedConsoleRig {
    StagedConsoleRig() {
        useStagedPrograms(workbench, stageFolder());
        workbench.RunDosWindow = true;
        form.attach(console);
        launcher.changeFolder(temp.path());
    }
    ~StagedConsoleRig() { launcher.changeFolder(startFolder); }

    TempDir temp;
    std::string startFolder = currentFolder();
    Workbench workbench;
    ConsoleForm form;
    LinuxPipedProcessStarter pipedProcesses;
    QtMainThread mainThread;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    NullUtilityDialogs dialogs;
    ConsoleWindow console {workbench, form, {pipedProcesses, mainThread, ui, desktop, dialogs}};
    LinuxProcessLauncher processes;
    FakeOtherWindows windows;
    LinuxFileSystem files;
    Launcher launcher {workbench, {processes, windows, files, ui, &console}};
};

}  // namespace orvo::test
