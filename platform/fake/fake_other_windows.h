#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/other_windows.h"

namespace orvo {

// Open windows per class (how many); records every close request in order.
class FakeOtherWindows : public OtherWindows {
public:
    std::map<std::string, int> open;
    std::vector<std::string> closeRequests;

    bool hasWindowOfClass(const std::string& className) override { return open[className] > 0; }
    bool closeWindowOfClass(const std::string& className) override {
        closeRequests.push_back(className);
        if (open[className] == 0) return false;
        --open[className];
        return true;
    }
};

}  // namespace orvo
