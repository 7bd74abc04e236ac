#include "core/window_texts.h"

#include <charconv>

#include "core/ui_strings.h"

namespace orvo {
namespace {

std::optional<std::size_t> lineNumber(const std::string& text) {
    std::size_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

WindowTexts::WindowTexts(std::string window, TextBindingTarget& target)
    : WindowTexts(window, target, uiTextIndex()) {}

WindowTexts::WindowTexts(std::string window, TextBindingTarget& target, const std::vector<UiTextEntry>& entries)
    : window_(std::move(window)), target_(target), messageLines_(windowMessageLines(entries, window_)) {
    for (const UiTextEntry& entry : windowTextEntries(entries, window_)) {
        TextBinding binding {entry.kind, entry.control, entry.item, {"", std::to_string(entry.line)}};
        std::optional<std::string> current = target_.controlText(binding);
        if (!current) continue;
        binding.texts[0] = std::move(*current);
        bindings_.push_back(std::move(binding));
    }
}

void WindowTexts::switchLanguage(int language) {
    active_ = language == 1 ? 1 : 0;
    for (const TextBinding& binding : bindings_) target_.setControlText(binding, binding.texts[active_]);
}

void WindowTexts::setLanguage0Text(std::size_t binding, std::string text) {
    if (binding < bindings_.size()) bindings_[binding].texts[0] = std::move(text);
}

void WindowTexts::apply(const std::vector<std::string>& uiStrings, std::string_view charsetName, bool withMessages) {
    target_.suspendRedraw(true);
    switchLanguage(1);
    for (TextBinding& binding : bindings_) {
        if (binding.kind == UiTextKind::Textlist) continue;
        std::optional<std::size_t> line = lineNumber(binding.texts[1]);
        // A line the file does not reach keeps the control's text.
        if (line && *line < uiStrings.size()) binding.texts[0] = uiStrings[*line];
    }
    switchLanguage(0);
    target_.suspendRedraw(false);
    if (withMessages) target_.setMessages(messagesFromLines(messageLines_, uiStrings));
    target_.setCharset(charsetNumber(charsetName));
}

}  // namespace orvo
