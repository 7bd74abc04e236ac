#pragma once
// A window for text-binding tests: controls are keys "control" or
// "control#item" (Item bindings) mapped to their text; binding kinds get
// their own keys so a caption and a hint of one control stay apart.
#include <map>
#include <string>
#include <vector>

#include "core/window_texts.h"

namespace orvo {

class FakeTextTarget : public TextBindingTarget {
public:
    std::map<std::string, std::string> texts;
    std::vector<std::string> messages;
    int charset = -1;
    bool redrawSuspended = false;
    int redrawSuspensions = 0;

    static std::string key(UiTextKind kind, const std::string& control, int item = -1) {
        std::string k = control + (kind == UiTextKind::Hint ? ".hint" : "");
        return item >= 0 ? k + "#" + std::to_string(item) : k;
    }
    void add(UiTextKind kind, const std::string& control, const std::string& text, int item = -1) {
        texts[key(kind, control, item)] = text;
    }
    std::string text(UiTextKind kind, const std::string& control, int item = -1) const {
        auto it = texts.find(key(kind, control, item));
        return it == texts.end() ? std::string("<missing>") : it->second;
    }

    void suspendRedraw(bool suspended) override {
        redrawSuspended = suspended;
        if (suspended) ++redrawSuspensions;
    }
    std::optional<std::string> controlText(const TextBinding& binding) const override {
        auto it = texts.find(key(binding.kind, binding.control, binding.kind == UiTextKind::Item ? binding.item : -1));
        if (it == texts.end()) return std::nullopt;
        return it->second;
    }
    void setControlText(const TextBinding& binding, const std::string& text) override {
        std::string k = key(binding.kind, binding.control, binding.kind == UiTextKind::Item ? binding.item : -1);
        if (texts.count(k)) texts[k] = text;
    }
    void setMessages(const std::vector<std::string>& list) override { messages = list; }
    void setCharset(int value) override { charset = value; }
};

}  // namespace orvo
