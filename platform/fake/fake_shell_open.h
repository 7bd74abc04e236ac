#pragma once
#include <set>
#include <string>
#include <vector>

#include "platform/shell_open.h"

namespace orvo {

// Records every request; targets named in `failing` are not opened, those in
// `programs` count as programs.
class FakeShellOpen : public ShellOpen {
public:
    std::vector<ShellOpenRequest> requests;
    std::set<std::string> failing;
    std::set<std::string> programs;

    ShellOpenResult open(const ShellOpenRequest& request) override {
        requests.push_back(request);
        if (failing.count(request.target)) return {false, "No such file or directory"};
        return {true, {}};
    }
    bool isProgram(const std::string& path) const override { return programs.count(path) > 0; }
};

}  // namespace orvo
