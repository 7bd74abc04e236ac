#include "core/one_value_template.h"

namespace orvo {

std::string fillOneValueTemplate(std::string_view templateText, std::string_view value) {
    std::string result(templateText);
    std::size_t at = result.find('$');
    if (at == std::string::npos) return result;
    result.replace(at, 2, value);  // at the very end only the "$" goes
    return result;
}

}  // namespace orvo
