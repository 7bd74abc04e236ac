#pragma once
#include <set>
#include <string>
#include <vector>

#include "platform/shell_open.h"

namespace orvo {

// Records every request; targets named in `failing` are not opened.
class FakeShellOpen : public ShellOpen {
public:
    std::vector<ShellOpenRequest> requests;
    std::set<std::string> failing;

    ShellOpenResult open(const ShellOpenRequest& request) override {
        requests.push_back(request);
        if (failing.count(request.target)) return {false, "No such file or directory"};
        return {true, {}};
    }
};

}  // namespace orvo
