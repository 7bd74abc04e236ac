#pragma once
// The workbench's own process environment, inherited by every job it starts.
#include <optional>
#include <string>

namespace orvo {

class Environment {
public:
    virtual ~Environment() = default;
    virtual std::optional<std::string> get(const std::string& name) const = 0;
    // False when the platform refuses the name (empty, or holding '=').
    virtual bool set(const std::string& name, const std::string& value) = 0;
};

}  // namespace orvo
