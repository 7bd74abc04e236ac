// Start-up over the fakes with every file it reads fuzzed, wired as the
// application wires it: the input is ORVO.INI, then after NULs the main
// file's parameter file, US.SCR (also offered as DE.SCR), the format list,
// the utilities list, DVIPS.OPT and what kpsewhich answers a first run.
// - Start-up ends ready, whatever the files hold, and the program entry
//   finishes after it.
// - The main window gets a size on the screen; the main file, when one is
//   kept, is a file that is there.
// - The first run's ConfigFile, when written, reads back as a configured
//   machine: start-up on it again is no first run.
#include <iterator>
#include <string>
#include <vector>

#include "core/startup.h"
#include "core/workbench.h"
#include "fuzz/fuzz_input.h"
#include "tests/startup_rig.h"

namespace orvo {
namespace {

using fuzz::check;

void addFiles(test::StartupRig& rig, const std::vector<std::string_view>& parts) {
    const char* paths[] = {test::kUserIni,         "/docs/paper.ORVOPAR",    "/opt/orvo/US.SCR",
                           "/opt/orvo/US_FRM.LST", "/opt/orvo/US_UTILS.LST", "/opt/orvo/DVIPS.OPT"};
    for (std::size_t i = 0; i < parts.size() && i < std::size(paths); ++i)
        rig.files.addFile(paths[i], std::string(parts[i]));
    if (parts.size() > 2) rig.files.addFile("/opt/orvo/DE.SCR", std::string(parts[2]));
    // A first run asks kpsewhich where the distribution is.
    rig.files.addFile("/usr/bin/kpsewhich");
    if (parts.size() > 6) {
        rig.programs.answers["/usr/bin/kpsewhich -var-value TEXMFROOT"] = std::string(parts[6]);
        rig.programs.answers["/usr/bin/kpsewhich texmf.cnf"] = std::string(parts[6]) + "/texmf-dist/web2c/texmf.cnf";
    }
}

StartupOutcome startFully(test::StartupRig& rig) {
    StartupOutcome outcome = rig.start();
    if (outcome == StartupOutcome::Ready) rig.startup->finishProgramEntry();
    return outcome;
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 7);
    test::StartupRig rig;
    addFiles(rig, parts);
    check(startFully(rig) == StartupOutcome::Ready, "start-up ends ready");
    const Workbench& w = rig.workbench;
    const ScreenSize screen = rig.desktop.screen;
    check(rig.view.window.width >= 1 && rig.view.window.width <= screen.width, "the window fits the screen");
    check(rig.view.window.height >= 1 && rig.view.window.height <= screen.height, "the window fits the screen");
    if (!w.MainFileName.empty()) {
        check(rig.files.fileExists(w.mainPath + w.MainFileName), "the main file kept is there", w.MainFileName);
    }

    if (w.firstRun && w.unreadableConfigFile.empty()) {
        std::optional<std::string> written = rig.files.readFile(test::kUserIni);
        check(written.has_value(), "the first run writes its configuration");
        test::StartupRig again;
        addFiles(again, parts);
        again.files.addFile(test::kUserIni, *written);
        check(startFully(again) == StartupOutcome::Ready, "start-up on the first configuration ends ready");
        check(!again.workbench.firstRun, "the first configuration makes a configured machine");
    }
    return 0;
}
