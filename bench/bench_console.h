#pragma once
// Shared pieces of the benchmarks that run jobs through the console window:
// the baseline run of a shell command, and a console window whose hiding
// marks the handled end of the job.
#include <spawn.h>
#include <sys/wait.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <string>

#include "jobs/qt/console_form.h"

extern char** environ;

namespace orvo::bench {

// `script` run by /bin/sh to its end, in seconds; -1 when it cannot start.
inline double shellSeconds(const std::string& script) {
    const char* argv[] = {"/bin/sh", "-c", script.c_str(), nullptr};
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return timer.nsecsElapsed() / 1e9;
}

// The console window; hiding it is the handled end of the job.
class TimedForm : public ConsoleForm {
public:
    QEventLoop* waiting = nullptr;
    void hideWindow() override {
        ConsoleForm::hideWindow();
        if (waiting) waiting->quit();
    }
};

}  // namespace orvo::bench
