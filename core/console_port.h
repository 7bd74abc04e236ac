#pragma once
// What the run operation and the session's jobs ask of the console window
// "Messages". The console window's logic implements it; tests use a
// recording fake.
#include <string>

namespace orvo {

class ConsolePort {
public:
    virtual ~ConsolePort() = default;
    // Creates the window when it does not exist yet.
    virtual void ensureCreated() = 0;
    virtual bool exists() const = 0;
    virtual void clearOutput() = 0;
    // The window closes by itself at the end of the job unless "Always show
    // console screen" keeps it open.
    virtual void setCloseWhenDone(bool closeWhenDone) = 0;
    virtual void appendLine(const std::string& line) = 0;
    // Shows the window, not modal. Becoming active starts the job state's
    // pending console command (or sends it to a job that still runs).
    virtual void show() = 0;
    // As show(), and returns once the window's job has ended or the window
    // was closed.
    virtual void showModal() = 0;
    // The shut-down's closing script: the window anew, listing and running
    // `commandLine`, open until the user closes it.
    virtual void runUntilClosed(const std::string& commandLine) = 0;
    // Closes the window; a job still running there is stopped and the
    // pending console command dropped.
    virtual void close() = 0;
};

}  // namespace orvo
