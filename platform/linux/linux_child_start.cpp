#include "platform/linux/linux_child_start.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace orvo {
namespace {

// One report on the status pipe: a failed step and its errno, or (step None)
// the pid of the program the intermediate child of `detach` started. One
// write of a few bytes is atomic, so the two writers of `detach` never mix.
struct StatusRecord {
    int step;
    int value;
};

// Without close_range (kernels before 5.9) descriptors are closed one by one
// up to this limit.
constexpr int kDescriptorLimitCap = 65536;

// Everything the child reads, made before the fork: after it the child may
// not allocate.
struct Plan {
    const ChildOptions* options = nullptr;
    ChildBody body = nullptr;
    void* context = nullptr;
    std::vector<std::string> candidateNames;
    std::vector<const char*> candidates;  // the files to execve, in order
    bool searched = false;                // the candidates come from PATH
    std::vector<char*> argv;
    std::vector<char*> envp;
    char** environment = nullptr;
    const char* folder = nullptr;
    pid_t parent = -1;
    int statusFd = -1;  // the write end, >= 3
    int descriptorLimit = kDescriptorLimitCap;
};

// --- In the child: async-signal-safe calls only. ---

void report(int statusFd, ChildStep step, int value) {
    StatusRecord record {int(step), value};
    while (::write(statusFd, &record, sizeof record) < 0 && errno == EINTR) {
    }
}

[[noreturn]] void fail(const Plan& plan, ChildStep step, int error) {
    report(plan.statusFd, step, error);
    ::_exit(127);
}

[[noreturn]] void failWithErrno(const Plan& plan, ChildStep step) { fail(plan, step, errno); }

long closeRange(unsigned first, unsigned last, unsigned flags) {
#ifdef SYS_close_range
    return ::syscall(SYS_close_range, first, last, flags);
#else
    (void)first, (void)last, (void)flags;
    errno = ENOSYS;
    return -1;
#endif
}

constexpr unsigned kCloseRangeCloexec = 4;  // CLOSE_RANGE_CLOEXEC

// Marks (exec) or closes (body) every descriptor from 3 on, except the
// status pipe in the body's case (a mark leaves it usable until exec).
void dropOtherDescriptors(const Plan& plan) {
    if (!plan.body) {
        if (closeRange(3, ~0u, kCloseRangeCloexec) == 0) return;
        for (int fd = 3; fd < plan.descriptorLimit; ++fd) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        return;
    }
    unsigned status = unsigned(plan.statusFd);
    if ((status == 3 || closeRange(3, status - 1, 0) == 0) && closeRange(status + 1, ~0u, 0) == 0) return;
    for (int fd = 3; fd < plan.descriptorLimit; ++fd)
        if (fd != plan.statusFd) ::close(fd);
}

// Puts the three standard streams in place. Sources among 0 to 2 are first
// moved above them, so that placing one stream never overwrites another's
// source (input from 1 and output to 0 swap them).
void placeStreams(const Plan& plan) {
    const ChildStream* streams[3] = {&plan.options->input, &plan.options->output, &plan.options->error};
    int sources[3] = {-1, -1, -1};
    for (int target = 0; target < 3; ++target) {
        const ChildStream& stream = *streams[target];
        if (stream.kind != ChildStream::Kind::Descriptor) continue;
        int fd = stream.fd;
        if (fd < 3) {
            fd = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
            if (fd < 0) failWithErrno(plan, ChildStep::Streams);
        }
        sources[target] = fd;
    }
    for (int target = 0; target < 3; ++target) {
        if (streams[target]->kind != ChildStream::Kind::Null) continue;
        int fd = ::open("/dev/null", (target == 0 ? O_RDONLY : O_WRONLY) | O_CLOEXEC);
        if (fd < 0) failWithErrno(plan, ChildStep::NullDevice);
        if (fd < 3) {
            // A standard stream the parent had closed: it stays closed
            // unless this or another stream fills it below.
            int high = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
            if (high < 0) failWithErrno(plan, ChildStep::Streams);
            ::close(fd);
            fd = high;
        }
        sources[target] = fd;
    }
    for (int target = 0; target < 3; ++target) {
        if (sources[target] >= 0) {
            // dup2 leaves the copy open across exec.
            if (::dup2(sources[target], target) != target) failWithErrno(plan, ChildStep::Streams);
        } else if (streams[target]->kind == ChildStream::Kind::Closed) {
            ::close(target);
        }
    }
}

// The program's part of the child. Under `detach` the intermediate child
// (its parent) has made the session already.
[[noreturn]] void becomeProgram(const Plan& plan, bool detached) {
    const ChildOptions& options = *plan.options;
    if (options.newSession && !detached) {
        if (::setsid() < 0) failWithErrno(plan, ChildStep::Session);
    } else if (options.newProcessGroup) {
        if (::setpgid(0, 0) != 0) failWithErrno(plan, ChildStep::Group);
    }
    if (options.endWithParent) {
        if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0) failWithErrno(plan, ChildStep::ParentDeath);
        // The parent may have ended before the signal was asked for.
        if (::getppid() != plan.parent) fail(plan, ChildStep::ParentDeath, ESRCH);
    }
    if (options.subreaper && ::prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) failWithErrno(plan, ChildStep::Subreaper);
    placeStreams(plan);
    dropOtherDescriptors(plan);
    if (plan.folder && ::chdir(plan.folder) != 0) failWithErrno(plan, ChildStep::Folder);

    if (plan.body) {
        // Set up: the parent's wait ends here, and the body holds nothing
        // of the workbench's. Signals stay blocked.
        ::close(plan.statusFd);
        ::_exit(plan.body(plan.context));
    }
    // Blocked until now, so that none of the workbench's handlers ever ran
    // in this copy; the program starts with none blocked.
    sigset_t none;
    sigemptyset(&none);
    if (::sigprocmask(SIG_SETMASK, &none, nullptr) != 0) failWithErrno(plan, ChildStep::Signals);
    int error = ENOENT;
    for (const char* candidate : plan.candidates) {
        ::execve(candidate, plan.argv.data(), plan.environment);
        error = errno;
        if (!plan.searched) break;
        // Not here, or not runnable here: the next PATH entry may have it.
        bool passOver = error == ENOENT || error == ENOTDIR || error == EACCES || error == ELOOP ||
                        error == ENAMETOOLONG || error == ESTALE || error == ENODEV || error == ETIMEDOUT;
        if (!passOver) break;
        error = ENOENT;
    }
    fail(plan, ChildStep::Exec, error);
}

[[noreturn]] void runChild(const Plan& plan) {
    // Every signal is blocked (the parent blocked them around the fork); the
    // dispositions go back to the defaults before any is let through.
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    for (int s = 1; s < NSIG; ++s) ::sigaction(s, &standard, nullptr);  // fails harmlessly for KILL, STOP
    if (!plan.options->detach) becomeProgram(plan, false);

    if (plan.options->newSession && ::setsid() < 0) failWithErrno(plan, ChildStep::Session);
    pid_t program = ::_Fork();
    if (program < 0) failWithErrno(plan, ChildStep::Fork);
    if (program == 0) becomeProgram(plan, true);
    report(plan.statusFd, ChildStep::None, int(program));
    ::_exit(0);
}

// --- In the parent. ---

// Moves a new descriptor of ours above the standard streams, so the child's
// placing of them cannot overwrite it.
bool raiseAboveStreams(int& fd) {
    if (fd >= 3) return true;
    int high = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
    if (high < 0) return false;
    ::close(fd);
    fd = high;
    return true;
}

ChildStart failure(ChildStep step, int error) {
    ChildStart result;
    result.failedStep = step;
    result.error = error;
    return result;
}

// Options that cannot work together, or a descriptor that is not open.
ChildStart checkOptions(const ChildOptions& options) {
    if (options.detach && options.endWithParent) return failure(ChildStep::Options, EINVAL);
    for (const ChildStream* stream : {&options.input, &options.output, &options.error}) {
        if (stream->kind == ChildStream::Kind::Descriptor && ::fcntl(stream->fd, F_GETFD) < 0)
            return failure(ChildStep::Options, EBADF);
    }
    return {};
}

void prepareProgram(const ChildOptions& options, Plan& plan) {
    const std::string& name = options.argv[0];
    if (name.find('/') != std::string::npos) {
        plan.candidateNames.push_back(name);
    } else {
        plan.searched = true;
        const char* path = std::getenv("PATH");
        std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
        std::size_t start = 0;
        while (start <= folders.size()) {
            std::size_t end = folders.find(':', start);
            if (end == std::string::npos) end = folders.size();
            if (end > start) plan.candidateNames.push_back(folders.substr(start, end - start) + "/" + name);
            start = end + 1;
        }
    }
    for (const std::string& candidate : plan.candidateNames) plan.candidates.push_back(candidate.c_str());
    for (const std::string& word : options.argv) plan.argv.push_back(const_cast<char*>(word.c_str()));
    plan.argv.push_back(nullptr);
    plan.environment = environ;
    if (options.environment) {
        for (const std::string& entry : *options.environment) plan.envp.push_back(const_cast<char*>(entry.c_str()));
        plan.envp.push_back(nullptr);
        plan.environment = plan.envp.data();
    }
}

ChildStart start(Plan& plan) {
    const ChildOptions& options = *plan.options;
    plan.folder = options.folder.empty() ? nullptr : options.folder.c_str();
    plan.parent = ::getpid();
    rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < rlim_t(kDescriptorLimitCap))
        plan.descriptorLimit = int(limit.rlim_cur);

    int status[2];
    if (::pipe2(status, O_CLOEXEC) != 0) return failure(ChildStep::StatusPipe, errno);
    if (!raiseAboveStreams(status[0]) || !raiseAboveStreams(status[1])) {
        int error = errno;
        ::close(status[0]);
        ::close(status[1]);
        return failure(ChildStep::StatusPipe, error);
    }
    plan.statusFd = status[1];

    // No handler of the workbench's may run in the child before it has put
    // the dispositions back; _Fork runs no fork handlers either (the child
    // touches no state of the other threads). A program started at once
    // shares the workbench's memory until its exec, as posix_spawn does:
    // copying the page tables of a large workbench cost more than the start
    // itself. The child only makes system calls and writes the status pipe
    // until then, and this thread waits for it.
    sigset_t all, previous;
    sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &previous);
    bool sharesMemory = !options.detach && !plan.body;
    pid_t pid = sharesMemory ? ::vfork() : ::_Fork();
    if (pid == 0) runChild(plan);
    int forkError = errno;
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    ::close(status[1]);
    if (pid < 0) {
        ::close(status[0]);
        return failure(ChildStep::Fork, forkError);
    }

    // Until end of file: every writer has gone (exec, the body's start, or
    // _exit after a report).
    ChildStart result;
    pid_t program = options.detach ? -1 : pid;
    char buffer[8 * sizeof(StatusRecord)];
    std::size_t filled = 0;
    while (true) {
        ssize_t n = ::read(status[0], buffer + filled, sizeof buffer - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        filled += std::size_t(n);
        while (filled >= sizeof(StatusRecord)) {
            StatusRecord record;
            std::memcpy(&record, buffer, sizeof record);
            std::memmove(buffer, buffer + sizeof record, filled - sizeof record);
            filled -= sizeof record;
            if (record.step == int(ChildStep::None)) {
                program = pid_t(record.value);
            } else if (result.failedStep == ChildStep::None) {
                result.failedStep = ChildStep(record.step);
                result.error = record.value;
            }
        }
    }
    ::close(status[0]);

    // The intermediate child of `detach` has ended or is about to; a child
    // that failed has too.
    if (options.detach || result.failedStep != ChildStep::None) waitChild(pid);
    if (result.failedStep != ChildStep::None) return result;
    // An intermediate child that ended without a word (killed).
    if (program <= 0) return failure(ChildStep::Fork, ECHILD);
    result.pid = program;
    return result;
}

}  // namespace

const char* childStepName(ChildStep step) {
    switch (step) {
    case ChildStep::None: return "none";
    case ChildStep::Options: return "options";
    case ChildStep::StatusPipe: return "pipe2";
    case ChildStep::Fork: return "fork";
    case ChildStep::Session: return "setsid";
    case ChildStep::Group: return "setpgid";
    case ChildStep::ParentDeath: return "PR_SET_PDEATHSIG";
    case ChildStep::Subreaper: return "PR_SET_CHILD_SUBREAPER";
    case ChildStep::Signals: return "sigprocmask";
    case ChildStep::NullDevice: return "open /dev/null";
    case ChildStep::Streams: return "dup2";
    case ChildStep::Folder: return "chdir";
    case ChildStep::Exec: return "execve";
    }
    return "?";
}

ChildStart startChild(const ChildOptions& options) {
    if (options.argv.empty()) return failure(ChildStep::Options, EINVAL);
    if (ChildStart bad = checkOptions(options); bad.failedStep != ChildStep::None) return bad;
    Plan plan;
    plan.options = &options;
    prepareProgram(options, plan);
    return start(plan);
}

ChildStart runInChild(const ChildOptions& options, ChildBody body, void* context) {
    if (!body || !options.argv.empty() || options.environment) return failure(ChildStep::Options, EINVAL);
    if (ChildStart bad = checkOptions(options); bad.failedStep != ChildStep::None) return bad;
    Plan plan;
    plan.options = &options;
    plan.body = body;
    plan.context = context;
    return start(plan);
}

pid_t waitChild(pid_t pid, int* status, int options) {
    pid_t result;
    do {
        result = ::waitpid(pid, status, options);
    } while (result < 0 && errno == EINTR);
    return result;
}

}  // namespace orvo
