#include "tests/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace orvo::test {

std::vector<std::string> environmentWith(const Variables& overrides) {
    Variables merged;
    for (char** e = environ; *e; ++e) {
        const char* eq = std::strchr(*e, '=');
        if (eq) merged[std::string(*e, std::size_t(eq - *e))] = eq + 1;
    }
    for (const auto& [name, value] : overrides) merged[name] = value;
    std::vector<std::string> texts;
    for (const auto& [name, value] : merged) texts.push_back(name + "=" + value);
    return texts;
}

ProgramRun runProgram(const std::vector<std::string>& argv, const std::string& folder, const Variables& overrides,
                      int timeoutMs) {
    ProgramRun run;
    std::vector<std::string> args = argv, env = environmentWith(overrides);
    std::vector<char*> argp, envp;
    for (std::string& a : args) argp.push_back(a.data());
    argp.push_back(nullptr);
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t pid = -1;
    int rc = ::posix_spawnp(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (rc != 0) {
        ::close(fds[0]);
        return run;
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    bool killed = false;
    while (true) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            ::kill(pid, SIGKILL);
            killed = true;
            break;
        }
        pollfd p {fds[0], POLLIN, 0};
        if (::poll(&p, 1, int(left.count())) < 0 && errno != EINTR) break;
        char buffer[4096];
        ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        run.output.append(buffer, std::size_t(n));
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (killed) return run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

}  // namespace orvo::test
