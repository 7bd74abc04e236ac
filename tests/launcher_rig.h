#pragma once
// The launcher on recording fakes: the programs it starts, the windows it
// closes, the files it looks at, the boxes it shows and the console window
// it hands captured jobs to.
#include "core/workbench.h"
#include "jobs/launcher.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_process_launcher.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_console_port.h"

namespace orvo::test {

struct LauncherRig {
    FakeProcessLauncher processes;
    FakeOtherWindows windows;
    FakeFileSystem files;
    FakeUserInteraction ui;
    FakeConsolePort console;
    Workbench workbench;
    Launcher launcher {workbench, {processes, windows, files, ui, &console}};
};

}  // namespace orvo::test
