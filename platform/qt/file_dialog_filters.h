#pragma once
// The workbench writes file-dialog filters as "desc|*.ext|desc|*.*"; the Qt
// dialog wants one "desc (patterns)" entry per pair. Extensions are matched
// in either case, as every derived name is: "*.TEX" also offers "*.tex".
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

std::vector<std::string> qtNameFilters(std::string_view filter);

}  // namespace orvo
