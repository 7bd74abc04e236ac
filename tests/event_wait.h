#pragma once
// Waiting in tests while the Qt event loop runs: console output and the end
// of a job reach the window through it.
#include <QCoreApplication>
#include <QElapsedTimer>

namespace orvo::test {

// True as soon as `condition` holds, false when `timeoutMs` passed first
// (generous: two cores shared with builds).
template <typename Condition>
bool waitWithEvents(Condition condition, int timeoutMs = 60000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace orvo::test
