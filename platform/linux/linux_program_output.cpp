#include "platform/linux/linux_program_output.h"

#include "platform/linux/linux_clock.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace orvo {
namespace {

int waitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return status;
}

}  // namespace

std::optional<std::string> LinuxProgramOutput::run(const std::vector<std::string>& argv) {
    if (argv.empty() || argv[0].empty()) return std::nullopt;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    pid_t pid = 0;
    int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (rc != 0) {
        ::close(fds[0]);
        return std::nullopt;
    }

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
    int status = waitFor(pid);
    if (timedOut || status < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return output;
}

}  // namespace orvo
