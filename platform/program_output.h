#pragma once
// Runs a helper program to completion and returns what it printed, for short
// look-ups such as asking kpsewhich where the distribution lies.
#include <optional>
#include <string>
#include <vector>

namespace orvo {

class ProgramOutput {
public:
    virtual ~ProgramOutput() = default;
    // argv[0] is looked up in PATH. Standard output of a program that ran and
    // exited with status 0, or nothing.
    virtual std::optional<std::string> run(const std::vector<std::string>& argv) = 0;
};

}  // namespace orvo
