#include "platform/linux/linux_job_tree.h"

#include <dirent.h>
#include <signal.h>

#include <fstream>
#include <set>
#include <string>

namespace orvo {
namespace {

// The children of every thread of `pid` (a thread may have forked too).
std::vector<pid_t> childrenOf(pid_t pid) {
    std::vector<pid_t> children;
    std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* folder = ::opendir(tasks.c_str());
    if (!folder) return children;
    while (dirent* entry = ::readdir(folder)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream list(tasks + "/" + entry->d_name + "/children");
        pid_t child = 0;
        while (list >> child) children.push_back(child);
    }
    ::closedir(folder);
    return children;
}

// The bound on rounds of looking: each round stops what the last one found,
// so a tree that keeps forking runs out of processes that can fork.
constexpr int kStopRounds = 16;

}  // namespace

std::vector<pid_t> descendantsOf(pid_t root) {
    std::vector<pid_t> found;
    std::set<pid_t> seen {root};
    std::vector<pid_t> next {root};
    while (!next.empty()) {
        std::vector<pid_t> level;
        for (pid_t parent : next) {
            for (pid_t child : childrenOf(parent)) {
                if (!seen.insert(child).second) continue;
                found.push_back(child);
                level.push_back(child);
            }
        }
        next = std::move(level);
    }
    return found;
}

void killJobTree(pid_t root) {
    ::kill(-root, SIGSTOP);
    ::kill(root, SIGSTOP);
    std::set<pid_t> stopped;
    for (int round = 0; round < kStopRounds; ++round) {
        bool more = false;
        for (pid_t pid : descendantsOf(root)) {
            if (!stopped.insert(pid).second) continue;
            ::kill(pid, SIGSTOP);
            more = true;
        }
        if (!more) break;
    }
    ::kill(-root, SIGKILL);
    ::kill(root, SIGKILL);
    for (pid_t pid : stopped) ::kill(pid, SIGKILL);
}

}  // namespace orvo
