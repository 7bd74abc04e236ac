#include "editor/forall_topic.h"

#include "core/path_names.h"
#include "core/text.h"
#include "core/workbench.h"

namespace orvo {
namespace {

// The part after the first ":", or the whole line without one.
std::string macroValue(const std::string& line) {
    std::size_t colon = line.find(':');
    return colon == std::string::npos ? line : line.substr(colon + 1);
}

}  // namespace

ForallTopic::ForallTopic(Workbench& workbench, std::function<void()> blockRun, std::function<void()> checkStayOnTop)
    : workbench_(workbench), blockRun_(std::move(blockRun)), checkStayOnTop_(std::move(checkStayOnTop)) {}

void ForallTopic::execute(const std::string& text) {
    std::string line = firstLine(text);
    std::string upper = toUpper(line);
    BlockHandover& block = workbench_.block;
    if (upper.find("%FILE") != std::string::npos) {
        block.fileName = macroValue(line);
    } else if (upper.find("%LINE") != std::string::npos) {
        block.lineNumber = macroValue(line);
        // One block run per request: a later line only updates the number.
        if (!block.runStarted) {
            block.runStarted = true;
            if (blockRun_) blockRun_();
        }
    }
    if (upper.find("%CHECKSTAYONTOP") != std::string::npos && checkStayOnTop_) checkStayOnTop_();
}

std::string serviceNameOf(const std::string& executablePath) {
    std::string name = fileNameOf(executablePath);
    return name.substr(0, name.find('.'));
}

}  // namespace orvo
