#pragma once
// The system-wide mark that one workbench is running.
#include <string>

namespace orvo {

class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // Claims the mark named `name` for the rest of this process's life. False
    // when another process holds it already.
    virtual bool claim(const std::string& name) = 0;
};

}  // namespace orvo
