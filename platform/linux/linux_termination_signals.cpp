#include "platform/linux/linux_termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace orvo {
namespace {

int pipeFds[2] = {-1, -1};

void onSignal(int) {
    int saved = errno;
    char byte = 1;
    // Non-blocking: a full pipe already holds a wake-up.
    [[maybe_unused]] ssize_t ignored = ::write(pipeFds[1], &byte, 1);
    errno = saved;
}

}  // namespace

int LinuxTerminationSignals::install() {
    if (pipeFds[0] >= 0) return pipeFds[0];
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
    return pipeFds[0];
}

void LinuxTerminationSignals::drain() {
    char buffer[64];
    while (::read(pipeFds[0], buffer, sizeof buffer) > 0) {
    }
}

}  // namespace orvo
