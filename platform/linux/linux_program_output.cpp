#include "platform/linux/linux_program_output.h"

#include "platform/linux/linux_child_start.h"
#include "platform/linux/linux_clock.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace orvo {

std::optional<std::string> LinuxProgramOutput::run(const std::vector<std::string>& argv) {
    if (argv.empty() || argv[0].empty()) return std::nullopt;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;

    // Output into the pipe; no input, and the errors of a helper asked at
    // start-up would only clutter the workbench's own.
    ChildOptions options;
    options.argv = argv;
    options.input = ChildStream::null();
    options.output = ChildStream::descriptor(fds[1]);
    options.error = ChildStream::null();
    ChildStart child = startChild(options);
    ::close(fds[1]);
    if (!child) {
        ::close(fds[0]);
        return std::nullopt;
    }
    pid_t pid = child.pid;

    std::string output;
    bool timedOut = false;
    long long deadline = monotonicMs() + timeoutMs_;
    while (true) {
        long long left = deadline - monotonicMs();
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd p {fds[0], POLLIN, 0};
        int ready = ::poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            timedOut = ready == 0;
            break;
        }
        char buffer[4096];
        ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        output.append(buffer, std::size_t(n));
    }
    ::close(fds[0]);
    if (timedOut) ::kill(pid, SIGKILL);
    int status = 0;
    if (waitChild(pid, &status) != pid) return std::nullopt;
    if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return output;
}

}  // namespace orvo
