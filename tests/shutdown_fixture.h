#pragma once
// A shut-down on fakes: ConfigFile in the user's folder, a tabbed main window
// and recording ports, so a test sees what each step asked of the parts above
// core.
#include <gtest/gtest.h>

#include <string>

#include "core/config_keys.h"
#include "core/ini_document.h"
#include "core/shutdown.h"
#include "core/workbench.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_main_window_view.h"
#include "tests/recording_ports.h"

namespace orvo {

inline constexpr const char* kShutdownIniPath = "/home/u/.config/orvo/ORVO.INI";

class ShutdownTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    FakeMainWindowView view;
    Workbench workbench;
    RecordingSessionJobs sessionJobs;
    RecordingEditorQuit editorQuit;
    RecordingUtilityDialogs dialogs;
    Shutdown shutdown {workbench, view, {files, ui, desktop}, ports()};

    ShutdownTest() {
        files.addDirectory("/home/u/.config/orvo");
        workbench.iniDir = "/home/u/.config/orvo/";
        workbench.iniName = "ORVO.INI";
        workbench.XScreenPos = 10;
        workbench.YScreenPos = 20;
        view.window = {120, 80, 481, 240, false};
    }

    ShutdownPorts ports() { return {sessionJobs, editorQuit, dialogs}; }

    std::string written(ConfigKey key) const {
        auto text = files.readFile(kShutdownIniPath);
        return text ? IniDocument(*text).readString(key.section, key.name, "<absent>") : "<no file>";
    }
};

}  // namespace orvo
