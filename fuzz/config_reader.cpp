// ConfigFile as start-up reads it, over a fake file system: the early keys,
// then every other key with its defaults and derived values. The input is
// the file; after a NUL, the first byte of the rest picks the screen.
// - Every window size factor read is usable.
// - Read, write, read and write again: the second write gives the text of
//   the first. A pass that changes a file it just read would drift it a
//   little at every start.
#include <string>
#include <vector>

#include "core/config_defaults.h"
#include "core/config_file.h"
#include "core/config_keys.h"
#include "core/config_reader.h"
#include "core/config_writer.h"
#include "core/window_scale.h"
#include "core/workbench.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_user_interaction.h"

namespace orvo {
namespace {

using fuzz::check;

constexpr const char* kIniPath = "/home/u/.config/orvo/ORVO.INI";

struct Machine {
    FakeFileSystem files;
    FakeEnvironment environment;
    FakeUserInteraction ui;

    Machine() {
        environment.variables = {{"HOME", "/home/u"}, {"PATH", "/usr/bin"}};
        files.addFile("/home/u/texfiles/paper.tex");
        files.addDirectory("/usr/share/texlive");
    }
};

// What start-up reads before the rest, then the rest.
Workbench readAll(Machine& machine, ScreenSize screen) {
    Workbench w;
    w.OrvoBTMDir = "/opt/orvo/";
    ConfigFile config(machine.files, kIniPath);
    w.OwnTeXTreeDir = config.text(key::OwnTeXTreeDir, "");
    w.Web2cDir = config.text(key::Web2cDir, w.Web2cDir);
    w.SpellChecker = config.text(key::SpellChecker, defaults::SpellChecker);
    w.Web2cBINDir = config.text(key::Web2cBINDir, w.Web2cBINDir);
    readConfiguration(config, w, {machine.files, machine.environment, screen});
    return w;
}

std::string writeAll(Machine& machine, Workbench& w, ScreenSize screen) {
    ConfigFile config(machine.files, kIniPath);
    writeConfigurationKeys(w, config, {machine.files, machine.ui, screen, std::nullopt, {}});
    std::string text = config.document().text();
    machine.files.addFile(kIniPath, text);
    return text;
}

ScreenSize pickScreen(const std::string& choice) {
    constexpr ScreenSize kScreens[] = {{1920, 1080}, {800, 600}, {0, 0}, {1, 1}, {-1, 3000}};
    unsigned char pick = choice.empty() ? 0 : static_cast<unsigned char>(choice[0]);
    return kScreens[pick % (sizeof kScreens / sizeof kScreens[0])];
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 2);
    ScreenSize screen = pickScreen(fuzz::part(parts, 1));
    Machine machine;
    machine.files.addFile(kIniPath, std::string(parts[0]));

    Workbench first = readAll(machine, screen);
    double defaultX = defaultScreenFactor(defaults::DesignScreenWidth, screen.width);
    double defaultY = defaultScreenFactor(defaults::DesignScreenHeight, screen.height);
    for (const ScreenFactor& factor : first.screenFactors) {
        check(isUsableScreenFactor(factor.x) || factor.x == defaultX, "a width factor is a size");
        check(isUsableScreenFactor(factor.y) || factor.y == defaultY, "a height factor is a size");
    }
    std::string once = writeAll(machine, first, screen);
    Workbench second = readAll(machine, screen);
    std::string twice = writeAll(machine, second, screen);
    check(once == twice, "a second pass writes the same file", twice);
    return 0;
}
