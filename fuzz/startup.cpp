// Start-up over the fakes, with every file it reads fuzzed: the input is
// ORVO.INI, then after NULs the main file's parameter file, US.SCR (also
// offered as DE.SCR), the format list, the utilities list, DVIPS.OPT and
// what kpsewhich answers a first run. The parts above core are recording
// ports; the first run's defaults are the real ones, over the fakes.
// - Start-up ends ready, whatever the files hold, and the program entry
//   finishes after it.
// - The main window gets a size on the screen; the main file, when one is
//   kept, is a file that is there.
// - The first run's ConfigFile, when written, reads back as a configured
//   machine: start-up on it again is no first run.
#include <string>
#include <vector>

#include "core/config_file.h"
#include "core/config_keys.h"
#include "core/startup.h"
#include "core/workbench.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_program_output.h"
#include "platform/fake/fake_user_interaction.h"
#include "setup/first_run_setup.h"
#include "tests/fake_console_port.h"
#include "tests/fake_job_actions.h"
#include "tests/fake_main_window_view.h"
#include "tests/recording_ports.h"

namespace orvo {
namespace {

using fuzz::check;

constexpr const char* kProgramDir = "/opt/orvo/";
constexpr const char* kUserIni = "/home/u/.config/orvo/ORVO.INI";

struct Machine {
    FakeFileSystem files;
    FakeEnvironment environment;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    FakeProgramOutput programs;
    FakeMainWindowView view;
    Workbench workbench;
    DetectedFirstRunDefaults firstRunDefaults {files, environment, programs};
    RecordingOwnTreeDatabase ownTree;
    RecordingEditorProfile editorProfile;
    RecordingAutoSave autoSave;
    RecordingSessionJobs sessionJobs;
    FakeConsolePort console;
    FakeJobActions jobActions;
    RecordingMainWindowShell shell;
    RecordingHelpAndSupport help;

    explicit Machine(const std::vector<std::string_view>& parts) {
        environment.variables = {{"HOME", "/home/u"}, {"PATH", "/usr/bin:/bin"}};
        files.addDirectory("/home/u/.config/orvo");
        files.addDirectory("/home/u/texfiles");
        files.addDirectory("/usr/bin");
        files.addFile("/home/u/docs/paper.tex", "\\documentclass{article}\n");
        files.addFile("/home/u/docs/chap1.tex");
        const char* paths[] = {kUserIni,
                               "/home/u/docs/paper.ORVOPAR",
                               "/opt/orvo/US.SCR",
                               "/opt/orvo/US_FRM.LST",
                               "/opt/orvo/US_UTILS.LST",
                               "/opt/orvo/DVIPS.OPT"};
        for (std::size_t i = 0; i < parts.size() && i < std::size(paths); ++i)
            files.addFile(paths[i], std::string(parts[i]));
        if (parts.size() > 2) files.addFile("/opt/orvo/DE.SCR", std::string(parts[2]));
        // A first run asks kpsewhich where the distribution is.
        files.addFile("/usr/bin/kpsewhich");
        files.addDirectory("/usr/share/texlive");
        if (parts.size() > 6) {
            programs.answers["/usr/bin/kpsewhich -var-value TEXMFROOT"] = std::string(parts[6]);
            programs.answers["/usr/bin/kpsewhich texmf.cnf"] = std::string(parts[6]) + "/texmf-dist/web2c/texmf.cnf";
        }
        files.current = "/home/u";
    }

    StartupOutcome start() {
        Startup startup(workbench, view, {files, environment, ui, desktop, programs},
                        {firstRunDefaults, ownTree, editorProfile, autoSave, sessionJobs, console, jobActions, shell,
                         help},
                        CommandLine {});
        StartupOutcome outcome = startup.createMainWindow(kProgramDir);
        if (outcome == StartupOutcome::Ready) startup.finishProgramEntry();
        return outcome;
    }
};

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 7);
    Machine machine(parts);
    check(machine.start() == StartupOutcome::Ready, "start-up ends ready");
    const Workbench& w = machine.workbench;
    const ScreenSize screen = machine.desktop.screen;
    check(machine.view.window.width >= 1 && machine.view.window.width <= screen.width, "the window fits the screen");
    check(machine.view.window.height >= 1 && machine.view.window.height <= screen.height, "the window fits the screen");
    if (!w.MainFileName.empty()) {
        check(machine.files.fileExists(w.mainPath + w.MainFileName), "the main file kept is there", w.MainFileName);
    }

    if (w.firstRun && w.unreadableConfigFile.empty()) {
        std::optional<std::string> written = machine.files.readFile(kUserIni);
        check(written.has_value(), "the first run writes its configuration");
        Machine again(parts);
        again.files.addFile(kUserIni, *written);
        check(again.start() == StartupOutcome::Ready, "start-up on the first configuration ends ready");
        check(!again.workbench.firstRun, "the first configuration makes a configured machine");
    }
    return 0;
}
