// The one child starter, policy by policy: each row starts a child with one
// policy and looks at what the started process has (its /proc entries: group,
// session, parent, folder, environment, blocked and ignored signals, open
// descriptors and where they lead), or at the step and error of a start
// that must fail. The parent sets a trap for every "always" policy: a
// blocked and an ignored signal, a descriptor without close-on-exec, and
// an environment variable, so a child that inherited them would show them.
#include "platform/linux/linux_child_start.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <thread>

#include "platform/linux/linux_clock.h"
#include "tests/temp_dir.h"
#include "tests/wait_until.h"

namespace orvo {
namespace {

constexpr int kLeakedFd = 77;

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string link(const std::string& path) {
    char buffer[PATH_MAX];
    ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, std::size_t(n)) : std::string();
}

std::string proc(pid_t pid, const std::string& entry) { return "/proc/" + std::to_string(pid) + "/" + entry; }

// The fields of /proc/<pid>/stat after the command name.
struct Stat {
    bool exists = false;
    char state = '?';
    pid_t parent = 0, group = 0, session = 0;
};

Stat readStat(pid_t pid) {
    Stat stat;
    std::string text = readText(proc(pid, "stat"));
    std::size_t close = text.rfind(')');
    if (close == std::string::npos) return stat;
    std::istringstream rest(text.substr(close + 2));
    rest >> stat.state >> stat.parent >> stat.group >> stat.session;
    stat.exists = bool(rest);
    return stat;
}

bool alive(pid_t pid) {
    Stat stat = readStat(pid);
    return stat.exists && stat.state != 'Z' && stat.state != 'X';
}

unsigned long long statusMask(const std::string& statusPath, const std::string& field) {
    std::istringstream lines(readText(statusPath));
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(field + ":", 0) == 0) return std::stoull(line.substr(field.size() + 1), nullptr, 16);
    return ~0ull;
}

unsigned long long bit(int signal) { return 1ull << (signal - 1); }

std::string comm(pid_t pid) {
    std::string name = readText(proc(pid, "comm"));
    if (!name.empty() && name.back() == '\n') name.pop_back();
    return name;
}

// What a started process has, once it runs its program (or its body).
struct Observed {
    Stat stat;
    std::string folder;
    std::vector<std::string> environment;
    unsigned long long blocked = ~0ull, ignored = ~0ull;
    std::map<int, std::string> fds;  // descriptor: where it leads
    std::map<int, int> modes;        // descriptor: O_RDONLY, O_WRONLY or O_RDWR
};

Observed observe(pid_t pid, const std::string& program) {
    // Sleeping in the program, not somewhere on the way to it.
    EXPECT_TRUE(test::waitUntil([&] { return comm(pid) == program && readStat(pid).state == 'S'; }))
        << comm(pid) << " " << readStat(pid).state;
    Observed seen;
    seen.stat = readStat(pid);
    seen.folder = link(proc(pid, "cwd"));
    std::string environ = readText(proc(pid, "environ"));
    for (std::size_t start = 0; start < environ.size();) {
        std::size_t end = environ.find('\0', start);
        if (end == std::string::npos) end = environ.size();
        seen.environment.push_back(environ.substr(start, end - start));
        start = end + 1;
    }
    seen.blocked = statusMask(proc(pid, "status"), "SigBlk");
    seen.ignored = statusMask(proc(pid, "status"), "SigIgn");
    for (int fd = 0; fd < 1024; ++fd) {
        std::string target = link(proc(pid, "fd/" + std::to_string(fd)));
        if (target.empty()) continue;
        seen.fds[fd] = target;
        std::istringstream info(readText(proc(pid, "fdinfo/" + std::to_string(fd))));
        for (std::string line; std::getline(info, line);)
            if (line.rfind("flags:", 0) == 0) seen.modes[fd] = int(std::stol(line.substr(6), nullptr, 8) & O_ACCMODE);
    }
    return seen;
}

bool hasEntry(const std::vector<std::string>& environment, const std::string& entry) {
    for (const std::string& e : environment)
        if (e == entry) return true;
    return false;
}

// The parent's side of one row.
struct Scene {
    test::TempDir dir;
    pid_t self = ::getpid();
    pid_t group = ::getpgrp();
    pid_t session = ::getsid(0);
    std::string folder = link("/proc/self/cwd");
    std::string ownFds[3] = {link("/proc/self/fd/0"), link("/proc/self/fd/1"), link("/proc/self/fd/2")};
    int report[2] = {-1, -1};  // a pipe a row may route a stream of the child to
    std::string reportLink;
    pid_t middle = -1;  // the short-lived parent of an orphaned row
    int bodyBase = 40;  // what the body adds to the byte it reads

    // Replaced for the start only, put back by restore().
    std::optional<std::string> savedPath;
    int savedStdin = -1;

    Scene() {
        EXPECT_EQ(::pipe2(report, O_CLOEXEC), 0);
        reportLink = link("/proc/self/fd/" + std::to_string(report[0]));
    }
    ~Scene() {
        restore();
        ::close(report[0]);
        if (report[1] >= 0) ::close(report[1]);
    }
    void setPath(const std::string& path) {
        const char* old = std::getenv("PATH");
        savedPath = old ? old : "";
        ::setenv("PATH", path.c_str(), 1);
    }
    void replaceStdin(int fd) {
        savedStdin = ::fcntl(0, F_DUPFD_CLOEXEC, 3);
        ::dup2(fd, 0);
    }
    void restore() {
        if (savedPath) ::setenv("PATH", savedPath->c_str(), 1);
        savedPath.reset();
        if (savedStdin >= 0) {
            ::dup2(savedStdin, 0);
            ::close(savedStdin);
            savedStdin = -1;
        }
    }
    // A line the child wrote to the report pipe; empty when none comes
    // within 5 seconds.
    std::string reportLine() {
        ::close(report[1]);
        report[1] = -1;
        std::string line;
        char c;
        pollfd waiting {report[0], POLLIN, 0};
        while (::poll(&waiting, 1, 5000) == 1 && ::read(report[0], &c, 1) == 1 && c != '\n') line += c;
        return line;
    }
};

// The body of the function rows: reads one byte from its input and ends with
// it plus the parent's number.
int addByteToBase(void* context) {
    char byte = 0;
    ssize_t n;
    while ((n = ::read(0, &byte, 1)) < 0 && errno == EINTR) {
    }
    return n == 1 ? *static_cast<int*>(context) + byte : 99;
}

// The start made by a process of the test's own that ends right after it,
// so the child loses its parent.
ChildStart startFromShortLivedParent(const ChildOptions& options, Scene& scene) {
    int answer[2];
    EXPECT_EQ(::pipe(answer), 0);
    scene.middle = ::fork();
    if (scene.middle == 0) {
        ChildStart started = startChild(options);
        [[maybe_unused]] ssize_t ignored = ::write(answer[1], &started, sizeof started);
        ::_exit(0);
    }
    ::close(answer[1]);
    ChildStart started;
    EXPECT_EQ(::read(answer[0], &started, sizeof started), ssize_t(sizeof started));
    ::close(answer[0]);
    waitChild(scene.middle);
    return started;
}

// The child starts a shell that leaves a program in the background and ends,
// so the program loses its parent; the shell reports both pids.
void orphanADescendant(ChildOptions& options, Scene& scene) {
    options.argv = {"/bin/sh", "-c", "/bin/sh -c 'sleep 30 >/dev/null 2>&1 & echo $$ $!'; exec sleep 30"};
    options.output = ChildStream::descriptor(scene.report[1]);
    options.newProcessGroup = true;  // so that ending the row ends the orphan too
}

// Who took the orphan over once its shell had ended; 0 when that is unknown.
pid_t adoptiveParentOfTheOrphan(Scene& scene) {
    std::istringstream line(scene.reportLine());
    pid_t shell = 0, orphan = 0;
    if (!(line >> shell >> orphan)) {
        ADD_FAILURE() << "no report of the shell and its orphan";
        return 0;
    }
    EXPECT_TRUE(test::waitUntil([&] { return readStat(orphan).parent != shell; })) << "the shell never ended";
    return readStat(orphan).parent;
}

void expectProgramDefaults(const Observed& seen) {
    EXPECT_EQ(seen.blocked, 0u) << "signal mask reset";
    EXPECT_EQ(seen.ignored, 0u) << "dispositions reset";
}

struct Row {
    const char* policy;
    std::function<void(ChildOptions&, Scene&)> configure;
    // What the started child must show; not called for a failing row.
    std::function<void(pid_t, Scene&)> expect;
    ChildStep failedStep = ChildStep::None;
    int error = 0;
    bool orphaned = false;       // started by a parent that ends at once
    ChildBody body = nullptr;    // runInChild() instead of startChild()
};

const Row kRows[] = {
    {"defaults: group, session, folder, environment and streams of the parent", {},
     [](pid_t pid, Scene& scene) {
         Observed seen = observe(pid, "sleep");
         EXPECT_EQ(seen.stat.parent, scene.self);
         EXPECT_EQ(seen.stat.group, scene.group);
         EXPECT_EQ(seen.stat.session, scene.session);
         EXPECT_EQ(seen.folder, scene.folder);
         EXPECT_TRUE(hasEntry(seen.environment, "ORVO_CHILD_TEST=inherited"));
         std::map<int, std::string> inherited {{0, scene.ownFds[0]}, {1, scene.ownFds[1]}, {2, scene.ownFds[2]}};
         for (auto i = inherited.begin(); i != inherited.end();) i = i->second.empty() ? inherited.erase(i) : ++i;
         EXPECT_EQ(seen.fds, inherited) << "the three streams and no other descriptor";
         expectProgramDefaults(seen);
     }},
    {"process group", [](ChildOptions& o, Scene&) { o.newProcessGroup = true; },
     [](pid_t pid, Scene& scene) {
         Observed seen = observe(pid, "sleep");
         EXPECT_EQ(seen.stat.group, pid);
         EXPECT_EQ(seen.stat.session, scene.session);
         expectProgramDefaults(seen);
     }},
    {"session", [](ChildOptions& o, Scene&) { o.newSession = true; },
     [](pid_t pid, Scene&) {
         Observed seen = observe(pid, "sleep");
         EXPECT_EQ(seen.stat.session, pid);
         EXPECT_EQ(seen.stat.group, pid);
     }},
    {"session and group together", [](ChildOptions& o, Scene&) { o.newSession = o.newProcessGroup = true; },
     [](pid_t pid, Scene&) {
         Observed seen = observe(pid, "sleep");
         EXPECT_EQ(seen.stat.session, pid);
         EXPECT_EQ(seen.stat.group, pid);
     }},
    {"detached in a session: adopted, in the session without leading it",
     [](ChildOptions& o, Scene&) { o.detach = o.newSession = true; },
     [](pid_t pid, Scene& scene) {
         EXPECT_EQ(waitChild(-1, nullptr, WNOHANG), -1) << "no child to collect, not even the intermediate one";
         EXPECT_EQ(errno, ECHILD);
         Observed seen = observe(pid, "sleep");
         EXPECT_NE(seen.stat.parent, scene.self);
         EXPECT_NE(seen.stat.session, scene.session);
         EXPECT_NE(seen.stat.session, pid);
         EXPECT_EQ(seen.stat.group, seen.stat.session);
         expectProgramDefaults(seen);
         EXPECT_EQ(seen.fds.count(kLeakedFd), 0u);
     }},
    {"detached in the session and group of the parent", [](ChildOptions& o, Scene&) { o.detach = true; },
     [](pid_t pid, Scene& scene) {
         EXPECT_EQ(waitChild(-1, nullptr, WNOHANG), -1);
         Observed seen = observe(pid, "sleep");
         EXPECT_NE(seen.stat.parent, scene.self);
         EXPECT_EQ(seen.stat.session, scene.session);
         EXPECT_EQ(seen.stat.group, scene.group);
     }},
    {"detached with a session and a group",
     [](ChildOptions& o, Scene&) { o.detach = o.newSession = o.newProcessGroup = true; },
     [](pid_t pid, Scene& scene) {
         Observed seen = observe(pid, "sleep");
         EXPECT_EQ(seen.stat.group, pid);
         EXPECT_NE(seen.stat.session, pid);
         EXPECT_NE(seen.stat.session, scene.session);
     }},
    {"streams: input /dev/null, output to a descriptor, error closed",
     [](ChildOptions& o, Scene& scene) {
         o.input = ChildStream::null();
         o.output = ChildStream::descriptor(scene.report[1]);
         o.error = ChildStream::closed();
     },
     [](pid_t pid, Scene& scene) {
         Observed seen = observe(pid, "sleep");
         EXPECT_EQ(seen.fds, (std::map<int, std::string> {{0, "/dev/null"}, {1, scene.reportLink}}));
         EXPECT_EQ(seen.modes[0], O_RDONLY);
         EXPECT_EQ(seen.modes[1], O_WRONLY);
     }},
    {"streams: output and error to /dev/null",
     [](ChildOptions& o, Scene&) { o.output = o.error = ChildStream::null(); },
     [](pid_t pid, Scene& scene) {
         Observed seen = observe(pid, "sleep");
         EXPECT_EQ(seen.fds[0], scene.ownFds[0]);
         EXPECT_EQ(seen.fds[1], "/dev/null");
         EXPECT_EQ(seen.fds[2], "/dev/null");
         EXPECT_EQ(seen.modes[1], O_WRONLY);
         EXPECT_EQ(seen.modes[2], O_WRONLY);
     }},
    {"streams: sources among 0 to 2 swapped (input from 1, output to 0)",
     [](ChildOptions& o, Scene& scene) {
         scene.replaceStdin(scene.report[1]);
         o.input = ChildStream::descriptor(1);
         o.output = ChildStream::descriptor(0);
     },
     [](pid_t pid, Scene& scene) {
         ASSERT_NE(scene.ownFds[1], scene.reportLink);
         Observed seen = observe(pid, "sleep");
         EXPECT_EQ(seen.fds[0], scene.ownFds[1]);
         EXPECT_EQ(seen.fds[1], scene.reportLink);
     }},
    {"folder", [](ChildOptions& o, Scene& scene) { o.folder = scene.dir.path(); },
     [](pid_t pid, Scene& scene) {
         Observed seen = observe(pid, "sleep");
         EXPECT_EQ(seen.folder + "/", scene.dir.path());
         EXPECT_NE(seen.folder, scene.folder);
     }},
    {"environment given: that one only",
     [](ChildOptions& o, Scene&) { o.environment = std::vector<std::string> {"ORVO_CHILD_TEST=given", "A=b c"}; },
     [](pid_t pid, Scene&) {
         Observed seen = observe(pid, "sleep");
         EXPECT_EQ(seen.environment, (std::vector<std::string> {"ORVO_CHILD_TEST=given", "A=b c"}));
     }},
    {"a relative program path is taken from the folder",
     [](ChildOptions& o, Scene& scene) {
         ASSERT_EQ(::symlink("/bin/sleep", (scene.dir.path() + "sleeper").c_str()), 0);
         o.folder = scene.dir.path();
         o.argv = {"./sleeper", "30"};
     },
     [](pid_t pid, Scene& scene) { EXPECT_EQ(observe(pid, "sleeper").folder + "/", scene.dir.path()); }},
    {"PATH: an entry whose file cannot run is passed over",
     [](ChildOptions& o, Scene& scene) {
         scene.dir.write("a/orvo-sleeper", "not a program");
         scene.dir.write("b/.keep", "");
         ASSERT_EQ(::symlink("/bin/sleep", (scene.dir.path() + "b/orvo-sleeper").c_str()), 0);
         scene.setPath(scene.dir.path() + "a:" + scene.dir.path() + "b");
         o.argv = {"orvo-sleeper", "30"};
     },
     [](pid_t pid, Scene&) { observe(pid, "orvo-sleeper"); }},
    {"ending with the parent", [](ChildOptions& o, Scene&) { o.endWithParent = true; },
     [](pid_t pid, Scene&) { EXPECT_TRUE(test::waitUntil([&] { return !alive(pid); })) << "killed with its parent"; },
     ChildStep::None, 0, true},
    {"not ending with the parent: adopted", {},
     [](pid_t pid, Scene& scene) {
         std::this_thread::sleep_for(std::chrono::milliseconds(300));
         EXPECT_TRUE(alive(pid));
         EXPECT_NE(readStat(pid).parent, scene.middle);
     },
     ChildStep::None, 0, true},
    {"subreaper: adopts a descendant that lost its parent",
     [](ChildOptions& o, Scene& scene) {
         orphanADescendant(o, scene);
         o.subreaper = true;
     },
     [](pid_t pid, Scene& scene) { EXPECT_EQ(adoptiveParentOfTheOrphan(scene), pid); }},
    {"no subreaper: the descendant goes elsewhere", orphanADescendant,
     [](pid_t pid, Scene& scene) { EXPECT_NE(adoptiveParentOfTheOrphan(scene), pid); }},
    {"a function instead of a program: its streams only, signals blocked, memory of the parent",
     [](ChildOptions& o, Scene& scene) {
         o.argv.clear();
         o.input = ChildStream::descriptor(scene.report[0]);
         o.output = o.error = ChildStream::closed();
     },
     [](pid_t pid, Scene& scene) {
         Observed seen = observe(pid, comm(::getpid()));
         EXPECT_EQ(seen.fds, (std::map<int, std::string> {{0, scene.reportLink}})) << "not even the status pipe";
         for (int s : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGCHLD, SIGUSR2}) EXPECT_TRUE(seen.blocked & bit(s)) << s;
         EXPECT_EQ(seen.ignored, 0u);
         EXPECT_EQ(seen.stat.group, scene.group);
         char byte = 2;
         ASSERT_EQ(::write(scene.report[1], &byte, 1), 1);
         int status = 0;
         ASSERT_EQ(waitChild(pid, &status), pid);
         EXPECT_TRUE(WIFEXITED(status));
         EXPECT_EQ(WEXITSTATUS(status), 42);
     },
     ChildStep::None, 0, false, addByteToBase},

    // Starts that fail: the step and its errno, and no child left.
    {"missing program on PATH", [](ChildOptions& o, Scene&) { o.argv = {"no-such-program-orvo"}; }, {},
     ChildStep::Exec, ENOENT},
    {"missing program path", [](ChildOptions& o, Scene&) { o.argv = {"/no/such/program"}; }, {}, ChildStep::Exec,
     ENOENT},
    {"not executable",
     [](ChildOptions& o, Scene& scene) { o.argv = {scene.dir.write("data.txt", "x")}; }, {}, ChildStep::Exec, EACCES},
    {"neither a program nor a #! script: no shell runs it",
     [](ChildOptions& o, Scene& scene) {
         std::string file = scene.dir.write("script", "echo hello\n");
         ::chmod(file.c_str(), 0755);
         o.argv = {file};
     },
     {}, ChildStep::Exec, ENOEXEC},
    {"PATH with only a file of the name that cannot run: not found",
     [](ChildOptions& o, Scene& scene) {
         scene.dir.write("a/orvo-sleeper", "not a program");
         scene.setPath(scene.dir.path() + "a");
         o.argv = {"orvo-sleeper"};
     },
     {}, ChildStep::Exec, ENOENT},
    {"PATH: an empty entry is not the current folder",
     [](ChildOptions& o, Scene& scene) {
         scene.dir.write("c/.keep", "");
         ASSERT_EQ(::symlink("/bin/sleep", (scene.dir.path() + "c/orvo-sleeper").c_str()), 0);
         o.folder = scene.dir.path() + "c";
         scene.setPath(":/nonexistent-orvo:");
         o.argv = {"orvo-sleeper", "30"};
     },
     {}, ChildStep::Exec, ENOENT},
    {"missing folder", [](ChildOptions& o, Scene& scene) { o.folder = scene.dir.path() + "missing/"; }, {},
     ChildStep::Folder, ENOENT},
    {"detached: missing program, known at once",
     [](ChildOptions& o, Scene&) {
         o.detach = o.newSession = true;
         o.argv = {"no-such-program-orvo"};
     },
     {}, ChildStep::Exec, ENOENT},
    {"detached: missing folder",
     [](ChildOptions& o, Scene& scene) {
         o.detach = true;
         o.folder = scene.dir.path() + "missing/";
     },
     {}, ChildStep::Folder, ENOENT},
    {"no program", [](ChildOptions& o, Scene&) { o.argv.clear(); }, {}, ChildStep::Options, EINVAL},
    {"detached and ending with the parent", [](ChildOptions& o, Scene&) { o.detach = o.endWithParent = true; }, {},
     ChildStep::Options, EINVAL},
    {"a stream from a descriptor that is not open",
     [](ChildOptions& o, Scene&) { o.output = ChildStream::descriptor(999); }, {}, ChildStep::Options, EBADF},
    {"a function with a program", {}, {}, ChildStep::Options, EINVAL, false, addByteToBase},
    {"a function in a missing folder",
     [](ChildOptions& o, Scene& scene) {
         o.argv.clear();
         o.folder = scene.dir.path() + "missing/";
     },
     {}, ChildStep::Folder, ENOENT, false, addByteToBase},
};

// A row in test output: its policy.
void PrintTo(const Row& row, std::ostream* out) { *out << row.policy; }

class LinuxChildStartTest : public testing::TestWithParam<Row> {
protected:
    void SetUp() override {
        // The traps: what a child would inherit without the reset.
        sigset_t usr1;
        sigemptyset(&usr1);
        sigaddset(&usr1, SIGUSR1);
        ASSERT_EQ(::pthread_sigmask(SIG_BLOCK, &usr1, &previousMask_), 0);
        previousUsr2_ = ::signal(SIGUSR2, SIG_IGN);
        std::string thread = "/proc/self/task/" + std::to_string(::syscall(SYS_gettid)) + "/status";
        ASSERT_TRUE(statusMask(thread, "SigBlk") & bit(SIGUSR1));
        ASSERT_TRUE(statusMask("/proc/self/status", "SigIgn") & bit(SIGUSR2));
        int leaked = ::open("/dev/zero", O_RDONLY);  // not close-on-exec
        ASSERT_EQ(::dup2(leaked, kLeakedFd), kLeakedFd);
        ::close(leaked);
        ::setenv("ORVO_CHILD_TEST", "inherited", 1);
    }
    void TearDown() override {
        ::close(kLeakedFd);
        ::signal(SIGUSR2, previousUsr2_);
        ::pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
        ::unsetenv("ORVO_CHILD_TEST");
    }

    // Ends what a row started, and everything in its group.
    static void end(pid_t pid) {
        if (readStat(pid).group == pid) ::kill(-pid, SIGKILL);
        ::kill(pid, SIGKILL);
        if (waitChild(pid) != pid) {
            EXPECT_TRUE(test::waitUntil([&] { return !alive(pid); }));
        }
    }

    sigset_t previousMask_ {};
    void (*previousUsr2_)(int) = SIG_DFL;
};

TEST_P(LinuxChildStartTest, ThePolicyShowsInTheStartedChild) {
    const Row& row = GetParam();
    Scene scene;
    ChildOptions options;
    options.argv = {"/bin/sleep", "30"};
    if (row.configure) row.configure(options, scene);
    if (HasFatalFailure()) return;
    ChildStart started = row.body       ? runInChild(options, row.body, &scene.bodyBase)
                         : row.orphaned ? startFromShortLivedParent(options, scene)
                                        : startChild(options);
    scene.restore();
    if (row.failedStep != ChildStep::None) {
        EXPECT_FALSE(started);
        if (started) end(started.pid);
        EXPECT_EQ(started.pid, -1);
        EXPECT_STREQ(childStepName(started.failedStep), childStepName(row.failedStep));
        EXPECT_EQ(started.error, row.error) << std::strerror(started.error);
        EXPECT_EQ(waitChild(-1, nullptr, WNOHANG), -1) << "no child left, not even a zombie";
        EXPECT_EQ(errno, ECHILD);
        return;
    }
    ASSERT_TRUE(started) << childStepName(started.failedStep) << ": " << std::strerror(started.error);
    EXPECT_EQ(started.failedStep, ChildStep::None);
    row.expect(started.pid, scene);
    end(started.pid);
    EXPECT_EQ(waitChild(-1, nullptr, WNOHANG), -1) << "the row left a child behind";
}

// The row's policy in words, as a test name: "process group" is ProcessGroup.
std::string rowName(const testing::TestParamInfo<Row>& info) {
    std::string name;
    bool upper = true;
    for (const char* c = info.param.policy; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) {
            name += upper ? char(std::toupper(static_cast<unsigned char>(*c))) : *c;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Policies, LinuxChildStartTest, testing::ValuesIn(kRows), rowName);

TEST(LinuxChildStart, WaitChildRetriesWhenASignalInterruptsIt) {
    // A handler without SA_RESTART makes waitpid fail with EINTR.
    struct sigaction handler {}, previous {};
    handler.sa_handler = [](int) {};
    ::sigaction(SIGALRM, &handler, &previous);
    ChildOptions options;
    options.argv = {"/bin/sleep", "0.3"};
    ChildStart started = startChild(options);
    ASSERT_TRUE(started);
    itimerval timer {};
    timer.it_value.tv_usec = 50000;
    ::setitimer(ITIMER_REAL, &timer, nullptr);
    int status = -1;
    long long begin = monotonicMs();
    EXPECT_EQ(waitChild(started.pid, &status), started.pid);
    EXPECT_GE(monotonicMs() - begin, 200);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ::sigaction(SIGALRM, &previous, nullptr);
}

}  // namespace
}  // namespace orvo
