#include "platform/linux/linux_piped_process.h"

#include "platform/linux/linux_child_start.h"
#include "platform/linux/linux_job_tree.h"
#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_group_guard.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace orvo {
namespace {

// How long a write to a child that does not read its input may take.
constexpr int kWriteTimeLimitMs = 2000;
// A large output pipe lets a chatty job run ahead while the window catches
// up, and lets each hand-over to the window take more at once.
constexpr int kOutputPipeBytes = 1 << 20;

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

int openPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
    return int(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

class LinuxPipedProcess : public PipedProcess {
public:
    LinuxPipedProcess(pid_t pid, int inFd, int outFd, GroupGuard guard)
        : pid_(pid), inFd_(inFd), outFd_(outFd), pidFd_(openPidFd(pid)), guard_(guard) {}

    ~LinuxPipedProcess() override {
        if (!reaped_) {
            terminate();
            reap();
        }
        closeFd(inFd_);
        closeFd(outFd_);
        closeFd(pidFd_);
    }

    PipeState poll(int timeoutMs, bool wakeOnEnd) override {
        pollfd fds[2];
        int count = 0;
        int outIndex = -1;
        if (!outputClosed_) {
            outIndex = count;
            fds[count++] = {outFd_, POLLIN, 0};
        }
        bool watchPid = wakeOnEnd && pidFd_ >= 0;
        if (watchPid) fds[count++] = {pidFd_, POLLIN, 0};
        // Without a pidfd the end is looked for in short steps instead.
        if (wakeOnEnd && pidFd_ < 0 && timeoutMs > 10) timeoutMs = 10;
        // With the output closed and the end not watched nothing can come:
        // waiting would only delay the end of the job.
        if (count == 0 && !wakeOnEnd) timeoutMs = 0;
        int ready = count > 0 || timeoutMs > 0 ? ::poll(fds, nfds_t(count), timeoutMs) : 0;
        PipeState state;
        if (ready < 0 && errno != EINTR) {
            state.error = errno;
            return state;
        }
        if (!outputClosed_) {
            int waiting = 0;
            if (::ioctl(outFd_, FIONREAD, &waiting) != 0) {
                state.error = errno;
                return state;
            }
            state.waiting = std::size_t(waiting);
            if (waiting == 0 && ready > 0 && (fds[outIndex].revents & (POLLHUP | POLLERR))) outputClosed_ = true;
        }
        state.outputClosed = outputClosed_;
        state.ended = hasEnded();
        return state;
    }

    bool waitForEnd(int timeoutMs) override {
        if (pidFd_ >= 0) {
            pollfd p {pidFd_, POLLIN, 0};
            while (::poll(&p, 1, timeoutMs) < 0 && errno == EINTR) {
            }
            return hasEnded();
        }
        // Without a pidfd the end is looked for in short steps.
        for (int waited = 0; !hasEnded(); waited += 10) {
            if (waited >= timeoutMs) return false;
            ::usleep(10000);
        }
        return true;
    }

    int read(char* buffer, std::size_t count, std::size_t& got) override {
        // One read: the caller asks for what poll() found waiting, so this
        // never blocks.
        got = 0;
        ssize_t n;
        while ((n = ::read(outFd_, buffer, count)) < 0 && errno == EINTR) {
        }
        if (n < 0) return errno;
        got = std::size_t(n);
        return 0;
    }

    int write(std::string_view bytes) override {
        if (inFd_ < 0) return EPIPE;
        // A child that has closed its input must not kill the workbench with
        // SIGPIPE: the signal is held back for this thread and dropped.
        sigset_t pipeSignal, previous;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        ::pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
        sigset_t pendingBefore;
        sigpending(&pendingBefore);
        int error = 0;
        std::size_t done = 0;
        long long deadline = monotonicMs() + kWriteTimeLimitMs;
        while (done < bytes.size()) {
            ssize_t n = ::write(inFd_, bytes.data() + done, bytes.size() - done);
            if (n >= 0) {
                done += std::size_t(n);
                continue;
            }
            if (errno == EINTR) continue;
            if (errno != EAGAIN) {
                error = errno;
                break;
            }
            long long left = deadline - monotonicMs();
            if (left <= 0) {
                error = EAGAIN;
                break;
            }
            pollfd p {inFd_, POLLOUT, 0};
            ::poll(&p, 1, int(left));
        }
        if (error == EPIPE && !sigismember(&pendingBefore, SIGPIPE)) {
            timespec zero {};
            while (::sigtimedwait(&pipeSignal, nullptr, &zero) < 0 && errno == EINTR) {
            }
        }
        ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        return error;
    }

    void closeInput() override { closeFd(inFd_); }

    void terminate() override {
        // Once reaped, the number may belong to someone else.
        if (reaped_) return;
        killJobTree(pid_);
    }

    void reap() override {
        if (reaped_) return;
        waitChild(pid_);
        reaped_ = true;
        releaseGroupGuard(guard_);
    }

private:
    bool hasEnded() {
        if (pidFd_ >= 0) {
            pollfd p {pidFd_, POLLIN, 0};
            return ::poll(&p, 1, 0) > 0;
        }
        siginfo_t info {};
        return ::waitid(P_PID, id_t(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid_;
    }

    pid_t pid_;
    int inFd_;
    int outFd_;
    int pidFd_;
    GroupGuard guard_;
    bool outputClosed_ = false;
    bool reaped_ = false;
};

}  // namespace

PipedStartResult LinuxPipedProcessStarter::start(const PipedProcessStart& request) {
    PipedStartResult result;
    if (request.argv.empty()) {
        result.error = ENOENT;
        return result;
    }
    int input[2];
    if (::pipe2(input, O_CLOEXEC) != 0) {
        result.failedStep = PipedStartStep::InputPipe;
        result.error = errno;
        return result;
    }
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0) {
        result.failedStep = PipedStartStep::OutputPipe;
        result.error = errno;
        ::close(input[0]);
        ::close(input[1]);
        return result;
    }
    // Best effort: the system's limit for unprivileged users may be lower.
    if (::fcntl(output[0], F_SETPIPE_SZ, kOutputPipeBytes) < 0) ::fcntl(output[0], F_SETPIPE_SZ, 256 << 10);

    // The child's input and output are the far ends of the two pipes; its
    // group lets terminate() end the whole job, and the group guard started
    // below ends it with the workbench.
    ChildOptions options;
    options.argv = request.argv;
    options.folder = request.folder;
    options.environment = request.environment;
    options.input = ChildStream::descriptor(input[0]);
    options.output = options.error = ChildStream::descriptor(output[1]);
    options.newProcessGroup = true;
    options.endWithParent = true;
    // What the job leaves behind is adopted by its first process, so that
    // stopping the job finds it, also when it left the job's group.
    options.subreaper = true;
    ChildStart child = startChild(options);
    ::close(input[0]);
    ::close(output[1]);
    if (!child) {
        ::close(input[1]);
        ::close(output[0]);
        result.error = child.error;
        return result;
    }
    ::fcntl(input[1], F_SETFL, ::fcntl(input[1], F_GETFL) | O_NONBLOCK);
    result.process =
        std::make_unique<LinuxPipedProcess>(child.pid, input[1], output[0], startGroupGuard(child.pid));
    return result;
}

}  // namespace orvo
