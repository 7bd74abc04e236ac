#include "platform/linux/linux_process_launcher.h"

#include "platform/linux/linux_child_start.h"
#include "platform/linux/linux_clock.h"

#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace orvo {
namespace {

// Both kinds of start: input /dev/null, output and errors the workbench's,
// its environment and folder; startChild() resets the signals and passes no
// other descriptor on.
ChildOptions directStart(const std::vector<std::string>& argv) {
    ChildOptions options;
    options.argv = argv;
    options.input = ChildStream::null();
    return options;
}

}  // namespace

bool LinuxProcessLauncher::startDetached(const std::vector<std::string>& argv) {
    if (argv.empty() || argv[0].empty()) return false;
    ChildOptions options = directStart(argv);
    options.detach = true;
    options.newSession = true;
    return bool(startChild(options));
}

std::optional<ProcessHandle> LinuxProcessLauncher::start(const std::vector<std::string>& argv) {
    if (argv.empty() || argv[0].empty()) return std::nullopt;
    ChildOptions options = directStart(argv);
    options.newProcessGroup = true;
    ChildStart child = startChild(options);
    if (!child) return std::nullopt;
    return ProcessHandle {long(child.pid)};
}

bool LinuxProcessLauncher::waitForEnd(ProcessHandle process, int timeoutMs) {
    pid_t pid = pid_t(process.id);
    if (pid <= 0) return true;
    int status = 0;
    // A descriptor that becomes readable when the process ends; without
    // one (older kernels) the state is polled.
    int pidFd = int(::syscall(SYS_pidfd_open, pid, 0));
    long long start = monotonicMs();
    while (true) {
        pid_t done = waitChild(pid, &status, WNOHANG);
        if (done == pid || done < 0) break;  // ended, or not ours to wait for any more
        long long elapsed = monotonicMs() - start;
        if (elapsed >= timeoutMs) {
            if (pidFd >= 0) ::close(pidFd);
            return false;
        }
        int slice = int(timeoutMs - elapsed);
        if (pidFd >= 0) {
            pollfd p {pidFd, POLLIN, 0};
            ::poll(&p, 1, slice);
        } else {
            timespec pause {0, 20 * 1000000L};
            if (slice < 20) pause.tv_nsec = slice * 1000000L;
            ::nanosleep(&pause, nullptr);
        }
    }
    if (pidFd >= 0) ::close(pidFd);
    return true;
}

}  // namespace orvo
