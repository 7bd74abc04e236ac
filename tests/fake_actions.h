#pragma once
// Recording fakes for the main window's action logic: the jobs on the main
// file, the window's menus and hints, and the chooser dialog.
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "actions/actions_view.h"
#include "actions/chooser_view.h"
#include "tests/fake_job_actions.h"

namespace orvo {

// Pop-up menus answer from `menuAnswers` in turn, then as dismissed.
class FakeActionsView : public ActionsView {
public:
    struct Menu {
        std::vector<std::string> items;
        MenuAnchor at;
    };
    std::vector<Menu> menus;
    std::deque<std::optional<int>> menuAnswers;
    std::map<HintedButtons, std::string> hints;

    std::optional<int> popUpMenu(const std::vector<std::string>& items, MenuAnchor at) override {
        menus.push_back({items, at});
        if (menuAnswers.empty()) return std::nullopt;
        std::optional<int> answer = menuAnswers.front();
        menuAnswers.pop_front();
        return answer;
    }
    std::string hint(HintedButtons buttons) const override {
        auto it = hints.find(buttons);
        return it == hints.end() ? std::string() : it->second;
    }
    void setHints(HintedButtons buttons, const std::string& text) override { hints[buttons] = text; }
};

// Answers from `answers` in turn, then as closed without a choice; reports
// the size it was asked for, or `closedSize` when set.
class FakeChooserView : public ChooserView {
public:
    std::vector<ChooserRequest> requests;
    std::deque<std::optional<int>> answers;
    std::optional<std::pair<int, int>> closedSize;

    ChooserResult choose(const ChooserRequest& request) override {
        requests.push_back(request);
        ChooserResult result;
        if (!answers.empty()) {
            result.chosen = answers.front();
            answers.pop_front();
        }
        result.width = closedSize ? closedSize->first : request.width;
        result.height = closedSize ? closedSize->second : request.height;
        return result;
    }
};

}  // namespace orvo
