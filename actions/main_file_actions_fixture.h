#pragma once
// The job actions over recording fakes: every program line started and every
// call on the console window is kept, the main file is /docs/PAPER.TEX.
#include <gtest/gtest.h>

#include "actions/main_file_actions.h"
#include "platform/fake/fake_environment.h"
#include "tests/fake_main_window_view.h"
#include "tests/launcher_rig.h"
#include "tests/recording_ports.h"

namespace orvo {

using Words = std::vector<std::string>;

inline constexpr const char* kProcessor = "/opt/orvo/orvocmd";

class MainFileActionsTest : public ::testing::Test, protected test::LauncherRig {
protected:
    FakeMainWindowView view;
    FakeEnvironment environment;
    RecordingMainWindowShell shell;
    MainFileActions actions {workbench, {launcher, files, ui, view, environment, shell, &console}};

    MainFileActionsTest() {
        Workbench& w = workbench;
        w.FourDosProgram = kProcessor;
        w.FourDosOptions = "/c";
        w.OrvoBTMDir = "/opt/orvo/";
        w.OrvoSelectionsOptionsDir = "/opt/orvo/";
        w.Web2cBINDir = "/usr/bin/";
        w.mainPath = "/docs/";
        w.MainFileName = "PAPER.TEX";
        w.dviFileName = "/docs/PAPER.DVI";
        w.FormatName = "&web2cbin/latex";
        w.RunDosWindow = false;
        environment.variables["COMSPEC"] = kProcessor;
        files.addFile("/docs/PAPER.TEX");
        files.addDirectory("/elsewhere");
        files.current = "/elsewhere";
    }

    // The argv of each program started, in order.
    std::vector<Words> started() const {
        std::vector<Words> lines;
        for (const auto& start : processes.starts) lines.push_back(start.argv);
        return lines;
    }
    // A command run through the command processor, as started uncaptured.
    static Words throughProcessor(Words words) {
        words.insert(words.begin(), {kProcessor, "/c"});
        return words;
    }
};

}  // namespace orvo
