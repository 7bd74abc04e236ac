#pragma once
// The workbench's own topic "forall": editors and scripts hand it the file
// and the line of a marked block, which starts the block run, and ask it to
// take its stay-on-top style back. Only the first line of a text counts;
// every text is acknowledged once it has been handled.
#include <functional>
#include <string>

#include "platform/dde.h"

namespace orvo {

struct Workbench;

inline constexpr const char* kForallTopic = "forall";

class ForallTopic : public DdeTopic {
public:
    // `blockRun` compiles the block; `checkStayOnTop` gives the main window
    // its stay-on-top style back when its "Stay on top" box is ticked.
    ForallTopic(Workbench& workbench, std::function<void()> blockRun, std::function<void()> checkStayOnTop);

    void execute(const std::string& text) override;

private:
    Workbench& workbench_;
    std::function<void()> blockRun_;
    std::function<void()> checkStayOnTop_;
};

// The service name of a program: its file name without folder, cut at the
// first ".".
std::string serviceNameOf(const std::string& executablePath);

}  // namespace orvo
