#include "platform/linux/linux_group_guard.h"

#include <signal.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace orvo {

GroupGuard startGroupGuard(pid_t group) {
    GroupGuard guard;
    // A socket rather than a pipe: the release cannot raise SIGPIPE when the
    // guard is already gone.
    int lifeline[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, lifeline) != 0) return guard;
    // _Fork runs no fork handlers; until it ends the guard makes system
    // calls only, as a copy of a multi-threaded process must.
    pid_t pid = ::_Fork();
    if (pid == 0) {
        sigset_t all;
        sigfillset(&all);
        ::sigprocmask(SIG_SETMASK, &all, nullptr);
        // Nothing of the workbench's is held: not the job's input pipe,
        // whose end tells a waiting TeX that nobody is left to answer.
        int watch = lifeline[0];
        if (watch > 0) ::syscall(SYS_close_range, 0u, unsigned(watch - 1), 0u);
        ::syscall(SYS_close_range, unsigned(watch + 1), ~0u, 0u);
        char byte = 0;
        ssize_t n;
        while ((n = ::read(watch, &byte, 1)) < 0 && errno == EINTR) {
        }
        // End of file without the release byte: the workbench is gone.
        if (n <= 0) ::kill(-group, SIGKILL);
        ::_exit(0);
    }
    ::close(lifeline[0]);
    if (pid < 0) {
        ::close(lifeline[1]);
        return guard;
    }
    guard.pid = pid;
    guard.lifeline = lifeline[1];
    return guard;
}

void releaseGroupGuard(GroupGuard& guard) {
    if (guard.pid <= 0) return;
    char release = 1;
    ssize_t n;
    while ((n = ::send(guard.lifeline, &release, 1, MSG_NOSIGNAL)) < 0 && errno == EINTR) {
    }
    ::close(guard.lifeline);
    while (::waitpid(guard.pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    guard = GroupGuard {};
}

}  // namespace orvo
