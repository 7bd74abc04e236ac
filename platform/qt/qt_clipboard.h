#pragma once
#include "platform/clipboard.h"

namespace orvo {

// The application's clipboard, UTF-8 both ways.
class QtClipboard : public Clipboard {
public:
    std::string text() const override;
    void setText(const std::string& text) override;
};

}  // namespace orvo
