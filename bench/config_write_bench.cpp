// One full ConfigFile writer pass, over a configuration as a first run leaves
// it, written for real to a file; prints the median of 200 passes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/config_writer.h"
#include "core/workbench.h"
#include "platform/fake/fake_user_interaction.h"
#include "platform/linux/linux_file_system.h"

int main() {
    char folder[] = "/tmp/orvo-bench-XXXXXX";
    if (!mkdtemp(folder)) return 1;
    orvo::LinuxFileSystem files;
    orvo::FakeUserInteraction ui;
    orvo::Workbench w;
    w.iniDir = std::string(folder) + "/";
    w.iniName = "ORVO.INI";
    w.Web2cDir = "/usr/share/texlive/";
    w.Web2cBINDir = "/usr/bin/";
    w.OwnTeXTreeDir = "/home/user/texfiles/";
    w.mainPath = "/home/user/texfiles/";
    w.MainFileName = "latexsample.tex";
    for (int i = 0; i < orvo::kHistorySize; ++i) w.mainHistory[i] = "/home/user/docs/paper" + std::to_string(i) + ".tex";
    orvo::ConfigWriteContext context {files, ui, {1920, 1080}, orvo::WindowGeometry {10, 10, 600, 300, false}};
    orvo::writeConfiguration(w, context);  // the file exists from here on, as it does at shut-down

    std::vector<double> times;
    for (int i = 0; i < 200; ++i) {
        auto start = std::chrono::steady_clock::now();
        orvo::writeConfiguration(w, context);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("config_write_ms: %.3f ms\n", times[times.size() / 2]);
    std::remove((w.iniDir + w.iniName).c_str());
    rmdir(folder);
    return 0;
}
