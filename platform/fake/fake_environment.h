#pragma once
#include <map>

#include "platform/environment.h"

namespace orvo {

class FakeEnvironment : public Environment {
public:
    std::map<std::string, std::string> variables;

    std::optional<std::string> get(const std::string& name) const override {
        auto it = variables.find(name);
        if (it == variables.end()) return std::nullopt;
        return it->second;
    }
    bool set(const std::string& name, const std::string& value) override {
        if (name.empty() || name.find('=') != std::string::npos) return false;
        variables[name] = value;
        return true;
    }
};

}  // namespace orvo
