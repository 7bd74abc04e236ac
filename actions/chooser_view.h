#pragma once
// The chooser dialog "TForm2" as its logic sees it: one modal list window
// for every field whose value is picked from a pair list.
#include <optional>
#include <string>
#include <vector>

namespace orvo {

struct ChooserRequest {
    std::string caption;
    std::vector<std::string> items;  // display texts, trimmed
    int icon = 0;                    // picture shown beside each item
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string fontFamily;
    int fontSize = 0;
};

struct ChooserResult {
    std::optional<int> chosen;  // the chosen item's position; nothing when closed without a choice
    int width = 0;              // the window's size when it closed
    int height = 0;
};

class ChooserView {
public:
    virtual ~ChooserView() = default;
    // Shows the list modally until the user chooses an item or closes it.
    virtual ChooserResult choose(const ChooserRequest& request) = 0;
};

}  // namespace orvo
