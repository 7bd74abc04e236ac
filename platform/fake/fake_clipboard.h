#pragma once
#include "platform/clipboard.h"

namespace orvo {

class FakeClipboard : public Clipboard {
public:
    std::string content;
    std::string text() const override { return content; }
    void setText(const std::string& text) override { content = text; }
};

}  // namespace orvo
