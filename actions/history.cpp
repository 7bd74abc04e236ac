#include "actions/history.h"

#include "core/text.h"

namespace orvo {

void moveToFront(History& history, const std::string& path) {
    if (path.empty()) return;
    std::size_t found = history.size() - 1;  // not found: the last entry drops out
    for (std::size_t i = history.size(); i-- > 0;) {
        if (equalsIgnoringCase(history[i], path)) {
            found = i;
            break;
        }
    }
    for (std::size_t i = found; i > 0; --i) history[i] = history[i - 1];
    history[0] = path;
}

std::vector<std::string> historyMenuEntries(const History& history, const std::string& active) {
    std::vector<std::string> entries;
    for (const std::string& entry : history) {
        if (!entry.empty() && !equalsIgnoringCase(entry, active)) entries.push_back(entry);
    }
    return entries;
}

}  // namespace orvo
