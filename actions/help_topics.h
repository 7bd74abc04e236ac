#pragma once
// Help as HTML pages. A topic list names one page per help context; a help
// request opens the page of its context in the desktop's browser.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

class FileSystem;
class ShellOpen;
struct Workbench;

// A topic list: a text file read two lines at a time, a page's file name
// relative to the list's folder, then the help context number of that page.
// Both lines are trimmed.
class HelpTopics {
public:
    // Adds the pairs of the list at `path` behind those held already, so
    // loading the same list twice holds its pairs twice. A list that cannot
    // be read adds nothing and gives false. A list not in UTF-8 is read in
    // the code page of `charsetName`.
    bool load(const FileSystem& files, const std::string& path, std::string_view charsetName);
    // The pairs of a list's lines; `folder` (ending in '/') goes in front of
    // each page. A pair without a file name names no page and is passed
    // over; a last name without its number line gets no number.
    void add(const std::vector<std::string>& lines, const std::string& folder);
    void clear() { topics_.clear(); }

    // The page of the first pair whose number is `context` as decimal text.
    std::optional<std::string> pageOf(int context) const;
    std::size_t size() const { return topics_.size(); }

private:
    struct Topic {
        std::string page;
        std::string context;
    };
    std::vector<Topic> topics_;
};

// The workbench's help: the topics of the chosen help files and the help
// requests of the windows.
class WorkbenchHelp {
public:
    WorkbenchHelp(const Workbench& workbench, const FileSystem& files, ShellOpen& shell);

    // Choose the help system, after the help files were chosen: with compiled
    // help off the topic list is loaded (held twice when it is loaded again;
    // another language's list takes the place of the one held), with it on
    // the topics are dropped.
    void chooseHelpSystem();
    // Opens the page of `context`; the page it opened, or nothing for a
    // context no pair names. Whether the desktop finds a browser is not
    // reported.
    std::optional<std::string> request(int context);

    const HelpTopics& topics() const { return topics_; }

private:
    std::optional<std::string> compiledHelpPage(int context) const;

    const Workbench& workbench_;
    const FileSystem& files_;
    ShellOpen& shell_;
    HelpTopics topics_;
    std::string loadedList_;
};

}  // namespace orvo
