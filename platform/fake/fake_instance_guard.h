#pragma once
#include <set>
#include <vector>

#include "platform/instance_guard.h"

namespace orvo {

// Marks claimed by "other processes" are listed in `held`.
class FakeInstanceGuard : public InstanceGuard {
public:
    std::set<std::string> held;
    std::vector<std::string> claims;

    bool claim(const std::string& name) override {
        claims.push_back(name);
        return held.insert(name).second;
    }
};

}  // namespace orvo
