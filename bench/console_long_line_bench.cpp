// One 16 MB line through the console window, offscreen. Reports the longest
// stall of the event loop while the line arrives, is shown, and is scrolled
// to its end and back.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QEventLoop>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <string>

#include "bench/console_rig.h"

int main(int argc, char** argv) {
    using namespace orvo;
    constexpr long kLineBytes = 16l << 20;
    constexpr int kStepMs = 100;
    QApplication application(argc, argv);
    std::string program = argv[0];
    std::string writer = program.substr(0, program.rfind('/') + 1) + "console_line_writer";
    bench::ConsoleRig rig;
    auto* list = rig.form.findChild<QAbstractScrollArea*>("LB");
    if (!list) return 1;
    QScrollBar* across = list->horizontalScrollBar();

    bench::StallMeter stalls;
    QEventLoop loop;
    // Once the job has ended, the window (left open) shows the line's end,
    // its middle and its start, a step apart.
    int stepsAfterEnd = 0;
    QTimer steps;
    steps.setInterval(kStepMs);
    QObject::connect(&steps, &QTimer::timeout, [&] {
        if (rig.console.jobRunning()) return;
        switch (stepsAfterEnd++) {
            case 0: across->setValue(across->maximum()); break;
            case 1: across->setValue(across->maximum() / 2); break;
            case 2: across->setValue(0); break;
            default: loop.quit();
        }
    });
    rig.console.setCloseWhenDone(false);
    stalls.start();
    steps.start();
    rig.start(writer + " " + std::to_string(kLineBytes) + " long");
    loop.exec();
    stalls.stop();
    if (rig.console.output().longestLine() != std::size_t(kLineBytes))
        std::fprintf(stderr, "console_long_line_bench: the line has %zu bytes\n", rig.console.output().longestLine());
    if (!rig.ui.shown.empty())
        std::fprintf(stderr, "console_long_line_bench: %s\n", rig.ui.shown.front().text.c_str());
    rig.console.close();

    std::printf("console_long_line_max_stall_ms: %.0f ms\n", stalls.maxStallMs());
    return 0;
}
