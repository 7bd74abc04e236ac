#pragma once
// A print destination produced by a destination script keeps the script's
// name inside its display text: "@" + script + "@" + display text.
#include <string>
#include <string_view>

namespace orvo {

struct PortText {
    std::string script;  // empty when the text carried no prefix
    std::string text;    // the display text without the prefix
};

PortText decodePortText(std::string_view stored);
std::string encodePortText(std::string_view script, std::string_view text);

}  // namespace orvo
