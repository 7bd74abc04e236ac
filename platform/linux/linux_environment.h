#pragma once
#include "platform/environment.h"

namespace orvo {

class LinuxEnvironment : public Environment {
public:
    std::optional<std::string> get(const std::string& name) const override;
    bool set(const std::string& name, const std::string& value) override;
};

}  // namespace orvo
