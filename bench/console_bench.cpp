// The console under a flood of output, offscreen: a job writes a million
// lines of 80 characters through the console window (block-buffered, then
// flushing every line). Reports the time from the start to the handled end
// of the job, its ratio to the same job piped into `cat > /dev/null`, the
// peak memory growth per byte of output and the longest stall of the event
// loop while the job ran.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/console_rig.h"

namespace orvo {
namespace {

constexpr long kLines = 1000000;
// Each figure is the median of this many runs: other work on the machine
// disturbs single runs.
constexpr int kRuns = 3;
constexpr double kOutputBytes = kLines * 81.0;

using bench::statusKilobytes;

// The same job with its output going to `cat > /dev/null`, in seconds.
double baselineSeconds(const std::string& writer, const char* mode) {
    return bench::shellSeconds("'" + writer + "' " + std::to_string(kLines) + " " + mode + " | cat > /dev/null");
}


struct ConsoleRun {
    double seconds = 0;
    double maxStallMs = 0;
    long peakGrowthKb = 0;
};

ConsoleRun runThroughConsole(bench::ConsoleRig& rig, const std::string& writer, const char* mode) {
    ConsoleWindow& console = rig.console;
    console.clearOutput();
    console.setCloseWhenDone(true);
    QCoreApplication::processEvents();
    long peakBefore = statusKilobytes("VmHWM:");
    long residentBefore = statusKilobytes("VmRSS:");

    ConsoleRun run;
    bench::StallMeter stalls;
    QEventLoop loop;
    rig.form.waiting = &loop;
    QElapsedTimer timer;
    timer.start();
    rig.start(writer + " " + std::to_string(kLines) + " " + mode);
    stalls.start();
    loop.exec();
    run.seconds = timer.nsecsElapsed() / 1e9;
    stalls.stop();
    run.maxStallMs = stalls.maxStallMs();
    rig.form.waiting = nullptr;
    // Growth of the peak over what was resident before the run.
    run.peakGrowthKb = std::max(statusKilobytes("VmHWM:"), peakBefore) - residentBefore;
    std::uint64_t arrived = bench::linesArrived(console.output());
    if (arrived < std::uint64_t(kLines))
        std::fprintf(stderr, "console_bench: only %llu lines arrived\n", static_cast<unsigned long long>(arrived));
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Figures {
    double seconds = 0;
    double ratio = 0;
    double maxStallMs = 0;
    long firstPeakGrowthKb = 0;
};

Figures measure(bench::ConsoleRig& rig, const std::string& writer, const char* mode) {
    std::vector<double> baselines, seconds;
    Figures figures;
    for (int i = 0; i < kRuns; ++i) {
        baselines.push_back(baselineSeconds(writer, mode));
        ConsoleRun run = runThroughConsole(rig, writer, mode);
        seconds.push_back(run.seconds);
        figures.maxStallMs = std::max(figures.maxStallMs, run.maxStallMs);
        if (i == 0) figures.firstPeakGrowthKb = run.peakGrowthKb;
    }
    figures.seconds = median(seconds);
    figures.ratio = figures.seconds / median(baselines);
    return figures;
}

}  // namespace
}  // namespace orvo

int main(int argc, char** argv) {
    using namespace orvo;
    QApplication application(argc, argv);
    std::string program = argv[0];
    std::string writer = program.substr(0, program.rfind('/') + 1) + "console_line_writer";

    bench::ConsoleRig rig;

    // The block-buffered run goes first: its first run measures the memory.
    Figures block = measure(rig, writer, "block");
    Figures line = measure(rig, writer, "line");
    if (!rig.ui.shown.empty()) std::fprintf(stderr, "console_bench: %s\n", rig.ui.shown.front().text.c_str());

    std::printf("console_block_s: %.3f s\n", block.seconds);
    std::printf("console_block_ratio: %.2f\n", block.ratio);
    std::printf("console_line_s: %.3f s\n", line.seconds);
    std::printf("console_line_ratio: %.2f\n", line.ratio);
    std::printf("console_bytes_per_output_byte: %.2f\n", block.firstPeakGrowthKb * 1024.0 / kOutputBytes);
    std::printf("console_max_stall_ms: %.0f ms\n", std::max(block.maxStallMs, line.maxStallMs));
    return 0;
}
