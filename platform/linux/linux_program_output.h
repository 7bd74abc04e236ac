#pragma once
#include "platform/program_output.h"

namespace orvo {

// Starts the program with startChild() (linux_child_start.h): its output on
// a pipe, input and errors /dev/null, in the workbench's process group. A
// program that has not finished after `timeoutMs` is killed and counts as
// failed, so a hanging helper never hangs start-up.
class LinuxProgramOutput : public ProgramOutput {
public:
    explicit LinuxProgramOutput(int timeoutMs = 10000) : timeoutMs_(timeoutMs) {}
    std::optional<std::string> run(const std::vector<std::string>& argv) override;

private:
    int timeoutMs_;
};

}  // namespace orvo
