#pragma once
// The text bindings of a Qt window: finds each bound control by object name
// under the window and reads or writes the property its binding kind names.
#include <string>
#include <vector>

#include "core/window_texts.h"

class QObject;
class QWidget;

namespace orvo {

class QtTextTarget : public TextBindingTarget {
public:
    explicit QtTextTarget(QWidget* window) : window_(window) {}

    void suspendRedraw(bool suspended) override;
    std::optional<std::string> controlText(const TextBinding& binding) const override;
    void setControlText(const TextBinding& binding, const std::string& text) override;
    void setMessages(const std::vector<std::string>& messages) override { messages_ = messages; }
    // Qt's fonts cover every script; the number is kept on the window (as
    // property "orvoCharset") for the parts that still ask for it.
    void setCharset(int charset) override;

    const std::vector<std::string>& messages() const { return messages_; }

private:
    QObject* control(const std::string& name) const;

    QWidget* window_;
    std::vector<std::string> messages_;
};

// The pattern every window follows when it is created: its texts, message
// list and character set from the current UI strings. Returns the window's
// message list.
std::vector<std::string> applyCurrentTexts(QWidget* window, const std::vector<std::string>& uiStrings,
                                           const std::string& charsetName);

}  // namespace orvo
