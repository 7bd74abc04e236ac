#pragma once
// Boxes, choosers and dialogs shown for the main window: a main window that
// stays on top drops that style while they are open, so they are never hidden
// behind it, and gets it back afterwards.
#include <memory>
#include <string>
#include <vector>

#include "platform/user_interaction.h"

namespace orvo {

class MainWindowView;

// Drops the style for its lifetime when the window has it.
class StayOnTopPause {
public:
    explicit StayOnTopPause(MainWindowView& view);
    ~StayOnTopPause();
    StayOnTopPause(const StayOnTopPause&) = delete;
    StayOnTopPause& operator=(const StayOnTopPause&) = delete;

private:
    MainWindowView& view_;
    bool restore_;
};

// The same pause for windows that only report their opening and closing (the
// desktop's boxes and file dialogs): one pause per open window, the innermost
// ended first, so nested windows restore the style exactly once, at the end.
class StayOnTopPauses {
public:
    explicit StayOnTopPauses(MainWindowView& view) : view_(view) {}
    void opened() { open_.push_back(std::make_unique<StayOnTopPause>(view_)); }
    void closed() {
        if (!open_.empty()) open_.pop_back();
    }

private:
    MainWindowView& view_;
    std::vector<std::unique_ptr<StayOnTopPause>> open_;
};

MessageAnswer showOverMainWindow(MainWindowView& view, UserInteraction& ui, const Message& message);

// A file name with a line break cannot be kept: ConfigFile and the parameter
// file hold one name a line. Such a name is refused when it is chosen, with
// a warning over the main window; true when `path` was refused.
bool refuseUnkeepableFileName(MainWindowView& view, UserInteraction& ui, const std::string& path);

}  // namespace orvo
