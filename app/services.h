#pragma once
// The real services of one running workbench, constructed once: this
// platform's implementations of every service interface, the workbench state,
// and the launcher and editor session built on them.
#include "core/workbench.h"
#include "editor/editor_session.h"
#include "jobs/launcher.h"
#include "platform/dbus/dbus_dde.h"
#include "platform/linux/linux_environment.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_instance_guard.h"
#include "platform/linux/linux_other_windows.h"
#include "platform/linux/linux_piped_process.h"
#include "platform/linux/linux_process_launcher.h"
#include "platform/linux/linux_program_output.h"
#include "platform/linux/linux_shell_open.h"
#include "platform/linux/linux_termination_signals.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_main_thread.h"
#include "platform/qt/qt_repeating_timer.h"
#include "platform/qt/qt_user_interaction.h"

namespace orvo {

struct Services {
    Services();

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
    LinuxShellOpen shellOpen;
    DBusDdeClient ddeClient;
    DBusDdeServer ddeServer;
    QtRepeatingTimer autoSaveTimer;
    QtRepeatingTimer editorStartTimer;
    QtClipboard clipboard;
    Workbench workbench;
    Launcher launcher;
    EditorSession editor;
};

}  // namespace orvo
