#pragma once
// The values a command template takes from the workbench state.
#include "jobs/templates.h"

namespace orvo {

struct Workbench;

// Everything but the spell file, which only the spell-check action has.
TemplateValues templateValuesOf(const Workbench& workbench);

}  // namespace orvo
