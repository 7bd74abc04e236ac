#pragma once
// Runs a program to its end for tests: in a given folder, with variables
// added to the test's own environment, standard output and error captured
// together, no input.
#include <map>
#include <string>
#include <vector>

namespace orvo::test {

using Variables = std::map<std::string, std::string>;

// The test's environment with `overrides` set (an empty value sets the
// variable empty), as "NAME=value" texts.
std::vector<std::string> environmentWith(const Variables& overrides);

struct ProgramRun {
    int status = -1;  // exit status, 128 + signal, or -1 when it could not start or was killed at the time limit
    std::string output;
};

// argv[0] is looked up in PATH. A program still running after `timeoutMs`
// is killed.
ProgramRun runProgram(const std::vector<std::string>& argv, const std::string& folder,
                      const Variables& overrides = {}, int timeoutMs = 60000);

}  // namespace orvo::test
