#pragma once
// The system's processes as /proc shows them, for tests that check what a
// job leaves behind.
#include <sys/types.h>

#include <string>
#include <vector>

namespace orvo::test {

struct ProcessEntry {
    pid_t pid = 0;
    pid_t parent = 0;
    pid_t group = 0;
    char state = '?';  // 'Z' for a zombie
    std::string name;  // the program's short name
};

std::vector<ProcessEntry> processTable();

// The processes of process group `group` that still run: a killed member
// may stay a zombie of whoever adopted it.
std::vector<ProcessEntry> livingGroupMembers(pid_t group);
// Zombies whose parent is `parent`.
std::vector<ProcessEntry> zombieChildren(pid_t parent);
// The living children of `parent`.
std::vector<ProcessEntry> children(pid_t parent);

// "pid name state" of each entry, for failure messages.
std::string describe(const std::vector<ProcessEntry>& entries);

}  // namespace orvo::test
