#include "actions/action_hints.h"

#include "actions/actions_view.h"
#include "core/one_value_template.h"
#include "core/workbench.h"

namespace orvo {

ActionHints::ActionHints(const Workbench& workbench, ActionsView& view) : workbench_(workbench), view_(view) {}

void ActionHints::takeTemplates() {
    auto take = [this](HintedButtons buttons, std::string& stored) {
        std::string hint = view_.hint(buttons);
        if (hint.find("$s") != std::string::npos) stored = hint;
    };
    take(HintedButtons::Preview, previewTemplate_);
    take(HintedButtons::Print, printTemplate_);
}

void ActionHints::refresh() {
    if (!previewTemplate_.empty())
        view_.setHints(HintedButtons::Preview, fillOneValueTemplate(previewTemplate_, workbench_.ViewerTXT));
    if (!printTemplate_.empty())
        view_.setHints(HintedButtons::Print, fillOneValueTemplate(printTemplate_, workbench_.PrinterTXT));
}

}  // namespace orvo
