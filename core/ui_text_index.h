#pragma once
// Which line of the UI-string files belongs to which window and control. The
// index is the one place where a window's text bindings and message lines are
// declared; it is compiled in from ui_text_index.tsv.
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

// Textlist bindings (whole lists) are never taken from UI-string lines.
enum class UiTextKind { Caption, Hint, Text, Item, Textlist, Message };

struct UiTextEntry {
    int line = 0;
    std::string window;   // form class, e.g. TForm1
    std::string control;  // object name; "-" for a message line
    UiTextKind kind = UiTextKind::Caption;
    int item = -1;        // list item index, or message entry number
};

struct UiTextIndexError {
    int row = 0;  // 1-based row of the index text
    std::string text;
};

// Tab-separated rows: line, window, control, kind, item. '#' starts a comment
// row. Rows that do not parse are left out and reported in `errors`.
std::vector<UiTextEntry> parseUiTextIndex(std::string_view text, std::vector<UiTextIndexError>* errors = nullptr);
// The compiled-in index.
const std::vector<UiTextEntry>& uiTextIndex();
// A window's control bindings (everything but its message lines), in line order.
std::vector<UiTextEntry> windowTextEntries(const std::vector<UiTextEntry>& index, std::string_view window);
// The UI-string lines of a window's message list, in entry order.
std::vector<int> windowMessageLines(const std::vector<UiTextEntry>& index, std::string_view window);
// The texts of `lines` in `uiStrings`; a line the file does not reach gives " ".
std::vector<std::string> messagesFromLines(const std::vector<int>& lines, const std::vector<std::string>& uiStrings);
// The window's message list (per the compiled-in index) taken from `uiStrings`.
std::vector<std::string> windowMessages(std::string_view window, const std::vector<std::string>& uiStrings);

}  // namespace orvo
