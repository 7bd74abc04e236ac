#pragma once
// The text bindings of one window and the pattern by which every window takes
// its texts from the UI-string file when it is created. Each binding holds two
// languages: language 0 is the text the control shows, language 1 the
// UI-string line number (as text) it is bound to. Switching the active
// language writes that language's texts into the controls.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui_text_index.h"

namespace orvo {

struct TextBinding {
    UiTextKind kind = UiTextKind::Caption;
    std::string control;
    int item = -1;
    std::array<std::string, 2> texts;  // [0] control text, [1] line number
};

// What the bindings need of a window; the Qt windows implement it.
class TextBindingTarget {
public:
    virtual ~TextBindingTarget() = default;
    virtual void suspendRedraw(bool suspended) = 0;
    // The bound property's current text; nothing when the window has no such
    // control (its binding is then left out).
    virtual std::optional<std::string> controlText(const TextBinding& binding) const = 0;
    virtual void setControlText(const TextBinding& binding, const std::string& text) = 0;
    // The window's own message list.
    virtual void setMessages(const std::vector<std::string>& messages) = 0;
    // The character set the window's fonts are given.
    virtual void setCharset(int charset) = 0;
};

class WindowTexts {
public:
    // The bindings the index declares for `window`, with the window's
    // present texts as language 0.
    WindowTexts(std::string window, TextBindingTarget& target);
    // The bindings of `entries` instead of the index's.
    WindowTexts(std::string window, TextBindingTarget& target, const std::vector<UiTextEntry>& entries);

    const std::string& window() const { return window_; }
    const std::vector<TextBinding>& bindings() const { return bindings_; }
    int activeLanguage() const { return active_; }

    void switchLanguage(int language);
    void setLanguage0Text(std::size_t binding, std::string text);

    // Takes the texts of `uiStrings`: every binding (but whole lists) whose
    // line the file reaches gets that line, the window's message list is
    // replaced and its fonts get the character set. Language 0 is active
    // afterwards. `withMessages` off leaves the message list to the caller.
    void apply(const std::vector<std::string>& uiStrings, std::string_view charsetName, bool withMessages = true);

private:
    std::string window_;
    TextBindingTarget& target_;
    std::vector<TextBinding> bindings_;
    std::vector<int> messageLines_;
    int active_ = 0;
};

}  // namespace orvo
