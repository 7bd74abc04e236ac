#include "platform/linux/linux_process_launcher.h"

#include "platform/linux/linux_clock.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

extern char** environ;

namespace orvo {
namespace {

std::vector<char*> argvPointers(const std::vector<std::string>& argv) {
    std::vector<char*> pointers;
    for (const std::string& a : argv) pointers.push_back(const_cast<char*>(a.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

pid_t waitRetrying(pid_t pid, int* status, int options) {
    pid_t result;
    do {
        result = ::waitpid(pid, status, options);
    } while (result < 0 && errno == EINTR);
    return result;
}

// Runs in the forked child of a multi-threaded process: only calls that are
// safe after fork() until exec.
void resetSignals() {
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (int s = 1; s < NSIG; ++s) ::sigaction(s, &standard, nullptr);
}

void closeInheritedDescriptors() {
    // Every descriptor from 3 on closes at exec; the error pipe (close-on-exec
    // already) stays usable until then.
    if (::syscall(SYS_close_range, 3u, ~0u, 4u /* CLOSE_RANGE_CLOEXEC */) == 0) return;
    long limit = ::sysconf(_SC_OPEN_MAX);
    if (limit < 0 || limit > 65536) limit = 65536;
    for (int fd = 3; fd < limit; ++fd) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
}

[[noreturn]] void execGrandchild(char* const* argv, int errorPipe) {
    resetSignals();
    int nullInput = ::open("/dev/null", O_RDONLY);
    if (nullInput >= 0 && nullInput != 0) {
        ::dup2(nullInput, 0);
        ::close(nullInput);
    }
    closeInheritedDescriptors();
    ::execvp(argv[0], argv);
    int error = errno;
    [[maybe_unused]] ssize_t ignored = ::write(errorPipe, &error, sizeof error);
    ::_exit(127);
}

}  // namespace

bool LinuxProcessLauncher::startDetached(const std::vector<std::string>& argv) {
    if (argv.empty() || argv[0].empty()) return false;
    std::vector<char*> args = argvPointers(argv);
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) return false;

    pid_t intermediate = ::fork();
    if (intermediate == 0) {
        ::close(errorPipe[0]);
        ::setsid();
        // _Fork runs no fork handlers: nothing of the other threads' state
        // is touched in this copy of the workbench.
        pid_t grandchild = ::_Fork();
        if (grandchild == 0) execGrandchild(args.data(), errorPipe[1]);
        if (grandchild < 0) {
            int error = errno;
            [[maybe_unused]] ssize_t ignored = ::write(errorPipe[1], &error, sizeof error);
        }
        ::_exit(0);
    }
    ::close(errorPipe[1]);
    if (intermediate < 0) {
        ::close(errorPipe[0]);
        return false;
    }
    int status = 0;
    waitRetrying(intermediate, &status, 0);
    // The pipe closes without a byte when exec succeeded.
    int error = 0;
    ssize_t n;
    do {
        n = ::read(errorPipe[0], &error, sizeof error);
    } while (n < 0 && errno == EINTR);
    ::close(errorPipe[0]);
    return n == 0;
}

std::optional<ProcessHandle> LinuxProcessLauncher::start(const std::vector<std::string>& argv) {
    if (argv.empty() || argv[0].empty()) return std::nullopt;
    std::vector<char*> args = argvPointers(argv);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);

    pid_t pid = 0;
    int rc = ::posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return std::nullopt;
    return ProcessHandle {long(pid)};
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
        pid_t done = waitRetrying(pid, &status, WNOHANG);
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
