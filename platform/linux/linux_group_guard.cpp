#include "platform/linux/linux_group_guard.h"

#include "platform/linux/linux_child_start.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace orvo {
namespace {

// The guard runs code of the workbench's rather than a program, so it is
// started with runInChild(), the function-running entry of the one child
// starter: the same fork and setup as every child, with the body in place of
// exec. The body runs in a copy of a multi-threaded process and makes system
// calls only. It starts with every signal blocked, so a Ctrl+C meant for the
// workbench's terminal (the guard stays in its process group) leaves it alone;
// only SIGKILL ends it.
int guardGroup(void* context) {
    pid_t group = *static_cast<const pid_t*>(context);
    // Standard input is the lifeline.
    char byte = 0;
    ssize_t n;
    while ((n = ::read(0, &byte, 1)) < 0 && errno == EINTR) {
    }
    // End of file without the release byte: the workbench is gone.
    if (n <= 0) ::kill(-group, SIGKILL);
    return 0;
}

}  // namespace

GroupGuard startGroupGuard(pid_t group) {
    GroupGuard guard;
    // A socket rather than a pipe: the release cannot raise SIGPIPE when the
    // guard is already gone.
    int lifeline[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, lifeline) != 0) return guard;
    // Nothing of the workbench's is held: no other descriptor (not the job's
    // input pipe, whose end tells a waiting TeX that nobody is left to
    // answer), no output streams.
    ChildOptions options;
    options.input = ChildStream::descriptor(lifeline[0]);
    options.output = options.error = ChildStream::closed();
    ChildStart child = runInChild(options, guardGroup, &group);
    ::close(lifeline[0]);
    if (!child) {
        ::close(lifeline[1]);
        return guard;
    }
    guard.pid = child.pid;
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
    waitChild(guard.pid);
    guard = GroupGuard {};
}

}  // namespace orvo
