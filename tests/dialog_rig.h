#pragma once
// The utility dialogs on recording fakes: the dialog set, the dispatcher it
// runs entries through, and the context every dialog works with.
#include "actions/utility_dispatch.h"
#include "dialogs/dialog_context.h"
#include "dialogs/utility_dialog_set.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_shell_open.h"
#include "tests/fake_main_window_view.h"
#include "tests/launcher_rig.h"
#include "tests/recording_ports.h"

namespace orvo::test {

struct DialogRig : LauncherRig {
    FakeShellOpen shellOpen;
    FakeDesktop desktop;
    FakeMainWindowView mainWindow;
    RecordingMainWindowShell shell;
    NullQuitDeletion quit;
    UtilityDispatcher dispatcher {workbench, {launcher, shellOpen, ui, mainWindow, shell}};
    UtilityDialogSet dialogs {workbench, {dispatcher, ui, mainWindow, quit}};
    DialogContext context {workbench, mainWindow, shell, dialogs, desktop, ui, files, shellOpen, launcher};
};

}  // namespace orvo::test
