// The baseline for start-up: a bare Qt Widgets window that reports when it is
// shown, the way orvo does under ORVO_REPORT_SHOWN.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

static long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(481, 240);
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        std::fprintf(stderr, "orvo-shown rss_kb=%ld\n", residentKilobytes());
        std::fflush(stderr);
        window.close();
    });
    return app.exec();
}
