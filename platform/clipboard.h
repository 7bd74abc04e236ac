#pragma once
// The desktop's clipboard as plain text.
#include <string>

namespace orvo {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Empty when the clipboard holds no text.
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

}  // namespace orvo
