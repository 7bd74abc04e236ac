#pragma once
// The console window as the console benchmarks build it: the real logic and
// Qt window, offscreen, running Linux children; a meter of the event loop's
// longest stall; the process's memory figures.
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/bench_console.h"
#include "core/utility_dialogs.h"
#include "core/workbench.h"
#include "jobs/console_window.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_user_interaction.h"
#include "platform/linux/linux_piped_process.h"
#include "platform/qt/qt_main_thread.h"

namespace orvo::bench {

// A field of /proc/self/status in kB, such as "VmRSS:" or "VmHWM:".
inline long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::char_traits<char>::length(field));
    }
    return 0;
}

// The lines that reached `output`: those it dropped too, but not its count line.
inline std::uint64_t linesArrived(const ConsoleOutput& output) {
    return output.droppedLines() + output.lineCount() - (output.droppedLines() > 0 ? 1 : 0);
}

struct ConsoleRig {
    ConsoleRig() {
        workbench.RedirectFont = "DejaVu Sans Mono";
        form.attach(console);
        console.ensureCreated();
        console.finishStartup();
    }
    // Runs `command` in the console, showing it.
    void start(const std::string& command) {
        workbench.jobs.pendingConsoleCommand = command;
        console.show();
    }

    Workbench workbench;
    TimedForm form;
    LinuxPipedProcessStarter processes;
    QtMainThread mainThread;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    NullUtilityDialogs dialogs;
    ConsoleWindow console {workbench, form, {processes, mainThread, ui, desktop, dialogs}};
};

// The longest the event loop kept a 5 ms timer waiting beyond its time.
class StallMeter {
public:
    StallMeter() {
        ticker_.setInterval(kTickMs);
        QObject::connect(&ticker_, &QTimer::timeout, [this] {
            maxStallMs_ = std::max(maxStallMs_, sinceTick_.nsecsElapsed() / 1e6 - kTickMs);
            sinceTick_.restart();
        });
    }
    void start() {
        sinceTick_.start();
        ticker_.start();
    }
    void stop() { ticker_.stop(); }
    double maxStallMs() const { return maxStallMs_; }

private:
    static constexpr int kTickMs = 5;
    QTimer ticker_;
    QElapsedTimer sinceTick_;
    double maxStallMs_ = 0;
};

}  // namespace orvo::bench
