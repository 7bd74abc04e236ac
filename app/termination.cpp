#include "app/termination.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>

#include "app/workbench_windows.h"

namespace orvo {
namespace {

// Ends every open box or dialog as if cancelled, innermost first.
void endModalWindows() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->close();
        QCoreApplication::processEvents();
        if (QApplication::activeModalWidget() == modal) break;
    }
}

}  // namespace

TerminationHandling::TerminationHandling(WorkbenchWindows& windows, int signalFd) : windows_(windows) {
    if (signalFd < 0) return;
    auto* notifier = new QSocketNotifier(signalFd, QSocketNotifier::Read, &windows.window);
    QObject::connect(notifier, &QSocketNotifier::activated, &windows.window, [this] { end(); });
}

void TerminationHandling::end() {
    Services& s = windows_.services;
    s.terminationSignals.drain();
    requested_ = true;
    s.ui.setEnding();
    windows_.console.setUnattended();
    endModalWindows();
    MainWindow& window = windows_.window;
    QTimer::singleShot(0, &window, [&window] {
        if (window.onClose) window.close();
        else QCoreApplication::exit(0);
    });
}

}  // namespace orvo
