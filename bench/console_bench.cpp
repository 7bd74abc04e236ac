// The console under a flood of output, offscreen: a job writes a million
// lines of 80 characters through the console window (block-buffered, then
// flushing every line). Reports the time from the start to the handled end
// of the job, its ratio to the same job piped into `cat > /dev/null`, the
// peak memory growth per byte of output and the longest stall of the event
// loop while the job ran.
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_console.h"
#include "core/utility_dialogs.h"
#include "core/workbench.h"
#include "jobs/console_window.h"
#include "jobs/qt/console_form.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_user_interaction.h"
#include "platform/linux/linux_piped_process.h"
#include "platform/qt/qt_main_thread.h"


namespace orvo {
namespace {

constexpr long kLines = 1000000;
// Each figure is the median of this many runs: other work on the machine
// disturbs single runs.
constexpr int kRuns = 3;
constexpr double kOutputBytes = kLines * 81.0;

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::char_traits<char>::length(field));
    }
    return 0;
}

// The same job with its output going to `cat > /dev/null`, in seconds.
double baselineSeconds(const std::string& writer, const char* mode) {
    return bench::shellSeconds("'" + writer + "' " + std::to_string(kLines) + " " + mode + " | cat > /dev/null");
}


struct ConsoleRun {
    double seconds = 0;
    double maxStallMs = 0;
    long peakGrowthKb = 0;
};

ConsoleRun runThroughConsole(ConsoleWindow& console, bench::TimedForm& form, Workbench& workbench, const std::string& writer,
                             const char* mode) {
    console.clearOutput();
    console.setCloseWhenDone(true);
    QCoreApplication::processEvents();
    long peakBefore = statusKilobytes("VmHWM:");
    long residentBefore = statusKilobytes("VmRSS:");

    ConsoleRun run;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        run.maxStallMs = std::max(run.maxStallMs, sinceTick.nsecsElapsed() / 1e6 - ticker.interval());
        sinceTick.restart();
    });
    QEventLoop loop;
    form.waiting = &loop;
    QElapsedTimer timer;
    timer.start();
    workbench.jobs.pendingConsoleCommand = writer + " " + std::to_string(kLines) + " " + mode;
    console.show();
    sinceTick.start();
    ticker.start();
    loop.exec();
    run.seconds = timer.nsecsElapsed() / 1e9;
    ticker.stop();
    form.waiting = nullptr;
    // Growth of the peak over what was resident before the run.
    run.peakGrowthKb = std::max(statusKilobytes("VmHWM:"), peakBefore) - residentBefore;
    if (console.output().lineCount() < std::size_t(kLines))
        std::fprintf(stderr, "console_bench: only %zu lines arrived\n", console.output().lineCount());
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

Figures measure(ConsoleWindow& console, bench::TimedForm& form, Workbench& workbench, const std::string& writer,
                const char* mode) {
    std::vector<double> baselines, seconds;
    Figures figures;
    for (int i = 0; i < kRuns; ++i) {
        baselines.push_back(baselineSeconds(writer, mode));
        ConsoleRun run = runThroughConsole(console, form, workbench, writer, mode);
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

    Workbench workbench;
    workbench.RedirectFont = "DejaVu Sans Mono";
    bench::TimedForm form;
    LinuxPipedProcessStarter processes;
    QtMainThread mainThread;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    NullUtilityDialogs dialogs;
    ConsoleWindow console(workbench, form, {processes, mainThread, ui, desktop, dialogs});
    form.attach(console);
    console.ensureCreated();
    console.finishStartup();

    // The block-buffered run goes first: its first run measures the memory.
    Figures block = measure(console, form, workbench, writer, "block");
    Figures line = measure(console, form, workbench, writer, "line");
    if (!ui.shown.empty()) std::fprintf(stderr, "console_bench: %s\n", ui.shown.front().text.c_str());

    std::printf("console_block_s: %.3f s\n", block.seconds);
    std::printf("console_block_ratio: %.2f\n", block.ratio);
    std::printf("console_line_s: %.3f s\n", line.seconds);
    std::printf("console_line_ratio: %.2f\n", line.ratio);
    std::printf("console_bytes_per_output_byte: %.2f\n", block.firstPeakGrowthKb * 1024.0 / kOutputBytes);
    std::printf("console_max_stall_ms: %.0f ms\n", std::max(block.maxStallMs, line.maxStallMs));
    return 0;
}
