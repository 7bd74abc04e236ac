#pragma once
#include <map>

#include "platform/program_output.h"

namespace orvo {

// Answers scripted per command line (argv joined by blanks); records every call.
class FakeProgramOutput : public ProgramOutput {
public:
    std::map<std::string, std::string> answers;
    std::vector<std::string> calls;

    std::optional<std::string> run(const std::vector<std::string>& argv) override {
        std::string line;
        for (const std::string& a : argv) line += (line.empty() ? "" : " ") + a;
        calls.push_back(line);
        auto it = answers.find(line);
        if (it == answers.end()) return std::nullopt;
        return it->second;
    }
};

}  // namespace orvo
