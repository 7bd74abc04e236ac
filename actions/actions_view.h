#pragma once
// What the main window's action logic asks of the window beyond the
// MainWindowView: pop-up menus and the hints of the action buttons. The Qt
// main window implements it; tests use a recording fake.
#include <optional>
#include <string>
#include <vector>

namespace orvo {

// A screen position where a pop-up menu opens.
struct MenuAnchor {
    int x = 0;
    int y = 0;
};

// The buttons whose hint carries the current choice: Preview shows the
// previewer, Print the printer type, on both pages.
enum class HintedButtons { Preview, Print };

class ActionsView {
public:
    virtual ~ActionsView() = default;
    // Shows `items` as a pop-up menu at `at`; the chosen position, or nothing.
    virtual std::optional<int> popUpMenu(const std::vector<std::string>& items, MenuAnchor at) = 0;
    // The hint of the first page's button, as the window's texts left it.
    virtual std::string hint(HintedButtons buttons) const = 0;
    virtual void setHints(HintedButtons buttons, const std::string& text) = 0;
};

}  // namespace orvo
