#pragma once
// The hints of the Preview and Print buttons name the chosen previewer and
// printer type: after each language change their texts become templates
// ("Show DVI output using $s"), and every refresh fills them in.
#include <string>

namespace orvo {

class ActionsView;
struct Workbench;

class ActionHints {
public:
    ActionHints(const Workbench& workbench, ActionsView& view);

    // Takes the buttons' present hints as templates when they hold "$s";
    // a hint without one keeps the template there was.
    void takeTemplates();
    void refresh();

private:
    const Workbench& workbench_;
    ActionsView& view_;
    std::string previewTemplate_;
    std::string printTemplate_;
};

}  // namespace orvo
