#pragma once
// Messages and hints that carry one value: "Show DVI output using $s".
#include <string>
#include <string_view>

namespace orvo {

// The first "$" and the character after it (if any) replaced by `value`;
// later "$" signs stay. A template without "$" is returned unchanged.
std::string fillOneValueTemplate(std::string_view templateText, std::string_view value);

}  // namespace orvo
