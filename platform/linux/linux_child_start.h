#pragma once
// The one way the Linux services start a child process. Every starter (the
// console's piped jobs, direct starts, program output, the group guard) says
// what it needs in ChildOptions; fork and exec happen only in
// linux_child_start.cpp.
//
// The workbench is multi-threaded, so everything the child needs (argument
// and environment arrays, the program files to try) is prepared before the
// fork, and between fork and exec the child makes async-signal-safe calls
// only. The child tells the parent which step failed through a close-on-exec
// status pipe and then ends with _exit(127); end of file on the pipe means
// that exec succeeded. So when startChild() returns a pid, the program runs,
// with every option below in effect.
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace orvo {

// Where one standard stream (0, 1 or 2) of the child goes.
struct ChildStream {
    enum class Kind { Inherit, Null, Descriptor, Closed };
    Kind kind = Kind::Inherit;
    int fd = -1;  // for Descriptor: the parent's descriptor placed there

    // The parent's own stream of that number.
    static ChildStream inherit() { return {}; }
    // /dev/null, opened for reading (input) or writing (output, error).
    static ChildStream null() { return {Kind::Null, -1}; }
    // The parent's descriptor `fd` (any number, also 0 to 2: streams may be
    // swapped). It may be close-on-exec; the parent keeps its own copy.
    static ChildStream descriptor(int fd) { return {Kind::Descriptor, fd}; }
    // No descriptor of that number at all.
    static ChildStream closed() { return {Kind::Closed, -1}; }
};

struct ChildOptions {
    // argv[0] names the program. With a '/' it is that file (a relative name
    // taken from `folder` when one is given, since the child changes folder
    // first). Without one each entry of the workbench's PATH is tried in
    // order (the workbench's PATH, also when `environment` is given; empty
    // entries are skipped, never the current folder; without PATH
    // /usr/local/bin:/usr/bin:/bin). An entry where the name is missing or
    // cannot be run (not executable, a folder) is passed over; when no entry
    // runs it the start fails with Exec and ENOENT. No shell is involved: a
    // file that is neither a program nor a "#!" script fails with ENOEXEC.
    std::vector<std::string> argv;
    std::string folder;                                   // empty: the parent's current folder
    std::optional<std::vector<std::string>> environment;  // "NAME=value"; none: the parent's own

    ChildStream input;   // standard input
    ChildStream output;  // standard output
    ChildStream error;   // standard error

    // A process group of the child's own (the child is its leader).
    bool newProcessGroup = false;
    // A session of its own, and with it a process group of its own, without
    // a controlling terminal.
    bool newSession = false;
    // Started through a short-lived intermediate child that ends (and is
    // collected) before startChild() returns, so the program is adopted by
    // init (or the nearest subreaper): nobody waits for it and it never stays
    // a zombie of the workbench. With newSession the intermediate child makes
    // the session, so the program is in it without being its leader and can
    // never take a controlling terminal. The pid returned is the program's,
    // but it is no child of the caller. Cannot be combined with
    // endWithParent (its parent ends at once).
    bool detach = false;
    // PR_SET_PDEATHSIG SIGKILL: the child is killed when the thread that
    // started it ends (with the workbench, in practice). It reaches this one
    // process only, not what it starts.
    bool endWithParent = false;
    // PR_SET_CHILD_SUBREAPER: descendants of the child that lose their parent
    // are adopted by the child rather than by init, so they can still be
    // found (and ended) below it. Kept across exec.
    bool subreaper = false;

    // Always, without an option: every signal has its default disposition
    // and none is blocked when the program starts, and the child has no
    // descriptor but its three standard streams.
};

// The step of a start that failed.
enum class ChildStep {
    None,         // nothing failed
    Options,      // the options contradict each other (EINVAL) or name a bad descriptor (EBADF)
    StatusPipe,   // the parent's status pipe (pipe2)
    Fork,         // fork, or the intermediate child's fork with `detach`
    Session,      // setsid
    Group,        // setpgid
    ParentDeath,  // PR_SET_PDEATHSIG, or the parent was already gone
    Subreaper,    // PR_SET_CHILD_SUBREAPER
    Signals,      // resetting the signal mask
    NullDevice,   // opening /dev/null
    Streams,      // placing a standard stream (fcntl, dup2)
    Folder,       // chdir
    Exec,         // execve
};

// The name of the step for messages ("chdir", "execve", ...).
const char* childStepName(ChildStep step);

struct ChildStart {
    pid_t pid = -1;                       // the started program, or -1
    ChildStep failedStep = ChildStep::None;
    int error = 0;                        // errno of the failed step
    explicit operator bool() const { return pid > 0; }
};

// Starts the program argv names with the given policy. Errors are values:
// a failed start returns no pid, the step and its errno, and leaves no child
// (one that got as far as forking has been collected).
ChildStart startChild(const ChildOptions& options);

// A function a child runs instead of a program; its result is the child's
// exit status. It runs in a copy of a multi-threaded process and must make
// async-signal-safe calls only (no allocation, no locks, no stdio).
using ChildBody = int (*)(void* context);

// Forks a child that runs `body(context)` instead of exec: the same steps and
// policy as startChild() (streams, group, session, folder, descriptors), for
// a small helper process of the workbench's own such as the group guard. The
// child's copy of the parent's memory is what `context` points into. argv and
// environment must stay empty (EINVAL otherwise). The body starts with every
// signal blocked (a helper must not die of a signal meant for the
// workbench's terminal) and default dispositions; it may unblock what it
// needs. The pid is returned once the setup has succeeded and the body is
// about to run.
ChildStart runInChild(const ChildOptions& options, ChildBody body, void* context);

// waitpid(), repeated while a signal interrupts it; its result otherwise.
pid_t waitChild(pid_t pid, int* status = nullptr, int options = 0);

}  // namespace orvo
