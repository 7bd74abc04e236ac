// Starts a program that reports "orvo-shown rss_kb=N" on standard error once
// its window is shown, ten times, and prints the median time from process
// start to that line and the median resident memory at that moment.
//
//   startup_bench NAME PROGRAM [ARGS...]
//
// Prints "NAME_ms: X ms" and "NAME_rss_kb: Y kB". The environment is passed on
// with ORVO_REPORT_SHOWN set; QT_QPA_PLATFORM is left as the caller set it.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double ms = -1;
    long rssKb = -1;
};

Sample startOnce(const std::vector<char*>& argv) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    Sample sample;
    if (rc != 0) {
        close(fds[0]);
        return sample;
    }
    std::string output;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, std::size_t(n));
        std::size_t at = output.find("orvo-shown rss_kb=");
        if (at != std::string::npos && output.find('\n', at) != std::string::npos) {
            sample.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            sample.rssKb = std::atol(output.c_str() + at + 18);
            break;
        }
    }
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) {
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return sample;
}

template <typename T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench NAME PROGRAM [ARGS...]\n");
        return 2;
    }
    setenv("ORVO_REPORT_SHOWN", "1", 1);
    std::vector<char*> args(argv + 2, argv + argc);
    args.push_back(nullptr);
    startOnce(args);  // warm-up: a first run and a cold file cache
    std::vector<double> times;
    std::vector<long> memory;
    for (int i = 0; i < 10; ++i) {
        Sample s = startOnce(args);
        if (s.ms < 0) {
            std::fprintf(stderr, "startup_bench: %s did not report its window\n", argv[2]);
            return 1;
        }
        times.push_back(s.ms);
        memory.push_back(s.rssKb);
    }
    std::printf("%s_ms: %.0f ms\n", argv[1], median(times));
    std::printf("%s_rss_kb: %ld kB\n", argv[1], median(memory));
    return 0;
}
