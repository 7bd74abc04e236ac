#pragma once
// What the clean-up dialog works with, on fakes: the workbench, a file
// system, a mount table, the launcher that changes folders, the engine with
// a recording "Deleting files" window, and a scripted folder chooser.
#include <optional>
#include <string>
#include <vector>

#include "core/workbench.h"
#include "dialogs/cleanup_dialog.h"
#include "dialogs/delete_files.h"
#include "jobs/launcher.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_mount_table.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_process_launcher.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/recording_deleting_view.h"

namespace orvo::test {

struct CleanupRig {
    struct ChooserCall {
        std::string purpose;
        std::string startFolder;
    };

    FakeFileSystem files;
    FakeMountTable mounts;
    FakeProcessLauncher processes;
    FakeOtherWindows windows;
    FakeUserInteraction ui;
    Workbench w;
    Launcher launcher {w, {processes, windows, files, ui}};
    RecordingDeletingView deleting;
    DeleteFiles engine {w, {files, mounts, [this]() -> DeletingFilesView& { return deleting; }, [] { return false; },
                            [] { return false; }}};
    std::vector<ChooserCall> chooserCalls;
    std::optional<std::string> chosenFolder;  // what the chooser answers

    CleanupServices services() {
        return {ui, launcher, engine, [this](const std::string& purpose, const std::string& start) {
                    chooserCalls.push_back({purpose, start});
                    return chosenFolder;
                }};
    }
};

}  // namespace orvo::test
