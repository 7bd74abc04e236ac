#include "actions/help_topics.h"

#include <algorithm>

#include "core/path_names.h"
#include "core/text.h"
#include "core/text_decoding.h"
#include "core/workbench.h"
#include "platform/file_system.h"
#include "platform/shell_open.h"

namespace orvo {
namespace {

// Lists written for the workbench's first platform name pages below the
// list's folder with '\'.
std::string pageName(std::string_view line) {
    std::string name = trim(line);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

}  // namespace

bool HelpTopics::load(const FileSystem& files, const std::string& path, std::string_view charsetName) {
    std::optional<std::string> bytes = files.readFile(path);
    if (!bytes) return false;
    add(splitTextLines(textAsUtf8(*bytes, charsetName)), folderOf(path));
    return true;
}

void HelpTopics::add(const std::vector<std::string>& lines, const std::string& folder) {
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        std::string name = pageName(lines[i]);
        if (name.empty()) continue;
        topics_.push_back({folder + name, i + 1 < lines.size() ? trim(lines[i + 1]) : std::string()});
    }
}

std::optional<std::string> HelpTopics::pageOf(int context) const {
    const std::string number = std::to_string(context);
    for (const Topic& topic : topics_) {
        if (topic.context == number) return topic.page;
    }
    return std::nullopt;
}

WorkbenchHelp::WorkbenchHelp(const Workbench& workbench, const FileSystem& files, ShellOpen& shell)
    : workbench_(workbench), files_(files), shell_(shell) {}

void WorkbenchHelp::chooseHelpSystem() {
    if (workbench_.UseCompiledHTML) {
        topics_.clear();
        loadedList_.clear();
        return;
    }
    // The topics follow the interface language: pages of the language left
    // behind would otherwise answer first.
    if (workbench_.helpTopicList != loadedList_) topics_.clear();
    loadedList_ = workbench_.helpTopicList;
    topics_.load(files_, loadedList_, workbench_.charsetName);
}

// There is no compiled help viewer here: the topic list chosen with the
// compiled help file stands in for it, read at each request.
std::optional<std::string> WorkbenchHelp::compiledHelpPage(int context) const {
    HelpTopics topics;
    topics.load(files_, workbench_.helpTopicList, workbench_.charsetName);
    return topics.pageOf(context);
}

std::optional<std::string> WorkbenchHelp::request(int context) {
    std::optional<std::string> page = workbench_.UseCompiledHTML ? compiledHelpPage(context) : topics_.pageOf(context);
    if (!page) return std::nullopt;
    ShellOpenRequest open;
    open.target = *page;
    shell_.open(open);
    return page;
}

}  // namespace orvo
