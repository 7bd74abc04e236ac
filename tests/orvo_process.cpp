#include "tests/orvo_process.h"

#include "tests/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace orvo::test {
namespace {

long long nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

std::string stageFolder() { return ORVO_TEST_STAGE_DIR "/"; }

OwnNamedOrvo::OwnNamedOrvo()
    : name_("orvotest" + std::to_string(::getpid())), path_(stageFolder() + name_) {
    ::unlink(path_.c_str());
    if (::link((stageFolder() + "orvo").c_str(), path_.c_str()) != 0) {
        name_ = "orvo";
        path_ = stageFolder() + name_;
    }
}

OwnNamedOrvo::~OwnNamedOrvo() {
    if (path_ != stageFolder() + "orvo") ::unlink(path_.c_str());
}

OrvoProcess::OrvoProcess(std::vector<std::string> arguments, std::map<std::string, std::string> environment)
    : OrvoProcess(stageFolder() + "orvo", std::move(arguments), std::move(environment)) {}

OrvoProcess::OrvoProcess(const std::string& program, std::vector<std::string> arguments,
                         std::map<std::string, std::string> environment) {
    environment.emplace("QT_QPA_PLATFORM", "offscreen");
    // A display that cannot be reached: quitting must not close the windows
    // (or end the programs) of the person running the tests.
    environment.emplace("DISPLAY", ":32767");
    std::vector<std::string> envStrings = environmentWith(environment);

    std::string programPath = program;
    std::vector<char*> argv {programPath.data()};
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& e : envStrings) envp.push_back(e.data());
    envp.push_back(nullptr);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (posix_spawn(&pid_, programPath.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    errorFd_ = fds[0];
}

OrvoProcess::~OrvoProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (errorFd_ >= 0) close(errorFd_);
}

void OrvoProcess::readAvailable(int timeoutMs) {
    pollfd p {errorFd_, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0) return;
    char buffer[4096];
    ssize_t n = read(errorFd_, buffer, sizeof buffer);
    if (n > 0) output_.append(buffer, std::size_t(n));
}

bool OrvoProcess::waitForOutput(const std::string& text, int timeoutMs) {
    long long deadline = nowMs() + timeoutMs;
    while (output_.find(text) == std::string::npos) {
        long long left = deadline - nowMs();
        if (left <= 0 || pid_ <= 0) return false;
        readAvailable(int(std::min(left, 100LL)));
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            readAvailable(0);
            pid_ = -1;
            return output_.find(text) != std::string::npos;
        }
    }
    return true;
}

void OrvoProcess::signal(int number) {
    if (pid_ > 0) kill(pid_, number);
}

int OrvoProcess::waitForExit(int timeoutMs) {
    if (pid_ <= 0) return -1;
    long long deadline = nowMs() + timeoutMs;
    while (nowMs() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            readAvailable(0);
            if (WIFEXITED(status)) return WEXITSTATUS(status);
            if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
            return -1;
        }
        readAvailable(20);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    return -1;
}

}  // namespace orvo::test
