#pragma once
// The jobs on the main file, recorded: what the main window's buttons and
// start-up ask of them.
#include <string>
#include <vector>

#include "core/job_actions.h"

namespace orvo {

// Records each job by name: "compile", "blockCompile", "preview", "print",
// "openLogFile", "redirectPrintDestination".
class FakeJobActions : public JobActions {
public:
    std::vector<std::string> calls;

    void compile() override { calls.push_back("compile"); }
    void blockCompile() override { calls.push_back("blockCompile"); }
    void preview() override { calls.push_back("preview"); }
    void print() override { calls.push_back("print"); }
    void openLogFile() override { calls.push_back("openLogFile"); }
    void redirectPrintDestination() override { calls.push_back("redirectPrintDestination"); }
};

}  // namespace orvo
