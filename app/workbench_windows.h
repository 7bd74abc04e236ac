#pragma once
// The windows of one running workbench and the logic behind each, wired to
// the services, to each other and to the ports of the parts above core.
// Parts still to come are their ports' Null implementations.
#include <array>

#include "actions/block_compile.h"
#include "actions/main_file_actions.h"
#include "actions/main_window_logic.h"
#include "actions/qt/chooser_form.h"
#include "actions/qt/main_window.h"
#include "app/services.h"
#include "core/main_window_messages.h"
#include "core/main_window_shell.h"
#include "core/own_tree_database.h"
#include "core/shutdown.h"
#include "core/startup.h"
#include "core/utility_dialogs.h"
#include "dialogs/delete_files.h"
#include "dialogs/dialog_context.h"
#include "dialogs/quit_cleanup.h"
#include "platform/linux/linux_mount_table.h"
#include "dialogs/utility_dialog_set.h"
#include "editor/editor_profile_service.h"
#include "jobs/console_window.h"
#include "jobs/launcher_session_jobs.h"
#include "jobs/qt/console_form.h"
#include "setup/about_and_report.h"
#include "setup/first_run_setup.h"
#include "setup/help_and_support_service.h"

namespace orvo {

struct WorkbenchWindows {
    explicit WorkbenchWindows(Services& services);

    StartupPorts startupPorts();
    ShutdownPorts shutdownPorts();
    // The console and the open dialogs take each language the main window takes.
    void translateConsole();
    // The hints of the language in force and the program options' boxes as
    // the workbench holds them.
    void showProgramOptions();

    Services& services;
    // Ports of the parts still to come.
    NullMainWindowShell shell;
    NullAboutAndReport aboutAndReport;
    NullOwnTreeDatabase ownTree;
    NullBlockLinesView blockLines;

    MainWindow window;
    LinuxMountTable mounts;
    DeleteFiles deleteFiles;
    QuitCleanup quitCleanup;
    struct QuitCleanupDeletion : QuitDeletion {
        explicit QuitCleanupDeletion(QuitCleanup& cleanup) : cleanup(cleanup) {}
        bool run() override { return cleanup.run(); }
        QuitCleanup& cleanup;
    } quitDeletion {quitCleanup};
    UtilityDispatcher dispatcher;
    UtilityDialogSet dialogs;
    DialogContext dialogContext;
    StayOnTopPauses stayOnTopPauses {window};
    ChooserForm chooserForm {&window};
    ConsoleForm consoleForm {&window};
    ConsoleWindow console;
    LauncherSessionJobs sessionJobs;
    EditorProfileService editorProfile;
    HelpAndSupportService help;
    EditorProfileSection editorProfileSection;
    std::array<const ConfigSectionWriter*, 1> configSections {&editorProfileSection};
    DetectedFirstRunDefaults firstRunDefaults;
    BlockCompile blockCompile;
    MainFileActions jobs;
    MainWindowLogic logic;
};

}  // namespace orvo
