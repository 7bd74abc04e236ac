// Conversations on the session bus: the round trip of one Request to a
// server on the bus, and of one Execute that the running workbench handles
// on its "forall" topic (acknowledged after handling), over 10,000 calls
// each. Prints the median and the 99th percentile in microseconds.
//
//   dde_bench ORVO-EXECUTABLE        (inside a session bus)
//   dde_bench --serve SERVICE        (the request server it starts itself)
#include <signal.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/dbus/dbus_dde.h"

extern char** environ;

namespace {

constexpr int kCalls = 10000;
constexpr int kWarmUp = 200;

struct Answers : orvo::DdeTopic {
    void execute(const std::string&) override {}
    std::optional<std::string> request(const std::string&) override { return std::string("/docs/chapter.tex"); }
};

pid_t spawn(std::vector<std::string> argv, std::vector<std::string> extraEnvironment) {
    std::vector<char*> args;
    for (std::string& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    env.insert(env.end(), extraEnvironment.begin(), extraEnvironment.end());
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void stop(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

bool waitForServer(orvo::DBusDdeClient& client, const std::string& service, const std::string& topic) {
    for (int i = 0; i < 600; ++i) {
        if (client.open(service, topic)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

template <typename Call>
void measure(const char* name, Call call) {
    for (int i = 0; i < kWarmUp; ++i) call();
    std::vector<double> us;
    us.reserve(kCalls);
    for (int i = 0; i < kCalls; ++i) {
        auto start = std::chrono::steady_clock::now();
        call();
        us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(us.begin(), us.end());
    std::printf("%s_p50: %.0f us\n", name, us[us.size() / 2]);
    std::printf("%s_p99: %.0f us\n", name, us[us.size() * 99 / 100]);
    std::fflush(stdout);
}

int serve(const std::string& service) {
    Answers answers;
    orvo::DBusDdeServer server;
    if (!server.offer(service, "bench", answers)) return 1;
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc == 3 && std::string(argv[1]) == "--serve") return serve(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dde_bench ORVO-EXECUTABLE\n");
        return 2;
    }

    std::string service = "DdeBench" + std::to_string(getpid());
    pid_t server = spawn({argv[0], "--serve", service}, {});
    orvo::DBusDdeClient client;
    if (!waitForServer(client, service, "bench")) {
        std::fprintf(stderr, "dde_bench: no session bus or the server did not come up\n");
        stop(server);
        return 1;
    }
    measure("dde_request_us", [&] { client.request("FileName"); });
    client.close();
    stop(server);

    // The workbench in a home of its own; a first run sets it up.
    char home[] = "/tmp/orvo-dde-bench-XXXXXX";
    if (!mkdtemp(home)) return 1;
    std::string h = home;
    pid_t orvo = spawn({argv[1]}, {"HOME=" + h, "XDG_CONFIG_HOME=" + h + "/.config", "XDG_RUNTIME_DIR=" + h,
                                   "ORVO_REPORT_SHOWN=stay", "QT_QPA_PLATFORM=offscreen"});
    int status = 0;
    if (waitForServer(client, "orvo", "forall")) {
        measure("dde_execute_us", [&] { client.executeAndWait("%FILE:/docs/chapter.tex"); });
    } else {
        std::fprintf(stderr, "dde_bench: the workbench did not offer its topic\n");
        status = 1;
    }
    stop(orvo);
    std::system(("rm -rf '" + h + "'").c_str());
    return status;
}
