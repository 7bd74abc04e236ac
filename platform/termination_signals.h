#pragma once
// SIGTERM, SIGINT and SIGHUP end the workbench the way "Quit" does. The
// handler only writes a byte to a pipe; the event loop watches the pipe's
// read end and runs the shut-down on the UI thread.
namespace orvo {

class TerminationSignals {
public:
    virtual ~TerminationSignals() = default;
    // Installs the handlers; returns the descriptor to watch, or -1.
    virtual int install() = 0;
    // Empties the pipe after a wake-up.
    virtual void drain() = 0;
};

}  // namespace orvo
