#include "tests/process_table.h"

#include <dirent.h>

#include <fstream>
#include <sstream>

namespace orvo::test {
namespace {

bool readEntry(const std::string& pidText, ProcessEntry& entry) {
    std::ifstream stat("/proc/" + pidText + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return false;
    // The name is in parentheses and may itself hold blanks and ')'.
    std::size_t open = line.find('(');
    std::size_t close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return false;
    entry.pid = pid_t(std::stol(pidText));
    entry.name = line.substr(open + 1, close - open - 1);
    std::istringstream rest(line.substr(close + 1));
    return bool(rest >> entry.state >> entry.parent >> entry.group);
}

template <typename Keep>
std::vector<ProcessEntry> select(Keep keep) {
    std::vector<ProcessEntry> chosen;
    for (const ProcessEntry& entry : processTable())
        if (keep(entry)) chosen.push_back(entry);
    return chosen;
}

}  // namespace

std::vector<ProcessEntry> processTable() {
    std::vector<ProcessEntry> entries;
    DIR* proc = ::opendir("/proc");
    if (!proc) return entries;
    while (dirent* item = ::readdir(proc)) {
        std::string name = item->d_name;
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        ProcessEntry entry;
        // A process may end between the listing and the read.
        if (readEntry(name, entry)) entries.push_back(entry);
    }
    ::closedir(proc);
    return entries;
}

std::vector<ProcessEntry> livingGroupMembers(pid_t group) {
    return select([&](const ProcessEntry& e) { return e.group == group && e.state != 'Z'; });
}

std::vector<ProcessEntry> zombieChildren(pid_t parent) {
    return select([&](const ProcessEntry& e) { return e.parent == parent && e.state == 'Z'; });
}

std::vector<ProcessEntry> children(pid_t parent) {
    return select([&](const ProcessEntry& e) { return e.parent == parent && e.state != 'Z'; });
}

std::string describe(const std::vector<ProcessEntry>& entries) {
    std::string text;
    for (const ProcessEntry& e : entries)
        text += std::to_string(e.pid) + " " + e.name + " " + e.state + " (parent " + std::to_string(e.parent) + ")\n";
    return text;
}

}  // namespace orvo::test
