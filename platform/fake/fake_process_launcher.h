#pragma once
#include <set>
#include <string>
#include <vector>

#include "platform/process_launcher.h"

namespace orvo {

// Records every start with its argv; programs named in `missing`
// fail to start. A waited-for process ends after `slicesUntilEnd` waits.
class FakeProcessLauncher : public ProcessLauncher {
public:
    struct Start {
        std::vector<std::string> argv;
        bool detached = false;
    };
    std::vector<Start> starts;
    std::set<std::string> missing;
    int slicesUntilEnd = 1;
    std::vector<int> waits;  // the time limit of each wait, in order

    bool startDetached(const std::vector<std::string>& argv) override {
        starts.push_back({argv, true});
        return startable(argv);
    }
    std::optional<ProcessHandle> start(const std::vector<std::string>& argv) override {
        starts.push_back({argv, false});
        if (!startable(argv)) return std::nullopt;
        return ProcessHandle {long(starts.size())};
    }
    bool waitForEnd(ProcessHandle, int timeoutMs) override {
        waits.push_back(timeoutMs);
        return int(waits.size()) >= slicesUntilEnd;
    }

private:
    bool startable(const std::vector<std::string>& argv) const { return !argv.empty() && !missing.count(argv[0]); }
};

}  // namespace orvo
