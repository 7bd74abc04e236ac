// The console under a job that never stops writing, offscreen: `yes` runs
// through the console window for 20 s. Reports the resident memory once the
// window is up and after the 20 s (in MB of 2^20 bytes), what lies between,
// the peak's growth over the first figure, and how many lines reached the
// console meanwhile.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "bench/console_rig.h"

int main(int argc, char** argv) {
    using namespace orvo;
    constexpr int kFloodMs = 20000;
    QApplication application(argc, argv);
    bench::ConsoleRig rig;
    rig.console.showWithoutJob();
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();
    double startupMb = bench::statusKilobytes("VmRSS:") / 1024.0;

    rig.start("yes");
    QEventLoop flood;
    QTimer::singleShot(kFloodMs, &flood, &QEventLoop::quit);
    flood.exec();
    double floodMb = bench::statusKilobytes("VmRSS:") / 1024.0;
    double peakMb = bench::statusKilobytes("VmHWM:") / 1024.0;
    bool running = rig.console.jobRunning();
    std::uint64_t lines = bench::linesArrived(rig.console.output());
    rig.console.close();
    if (!running) std::fprintf(stderr, "console_flood_bench: yes did not run to the end\n");
    if (!rig.ui.shown.empty()) std::fprintf(stderr, "console_flood_bench: %s\n", rig.ui.shown.front().text.c_str());

    std::printf("console_startup_rss_mb: %.1f MB\n", startupMb);
    std::printf("console_flood_rss_mb: %.1f MB\n", floodMb);
    std::printf("console_flood_growth_mb: %.1f MB\n", floodMb - startupMb);
    std::printf("console_flood_peak_growth_mb: %.1f MB\n", peakMb - startupMb);
    std::printf("console_flood_lines: %llu\n", static_cast<unsigned long long>(lines));
    return 0;
}
