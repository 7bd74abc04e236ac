#pragma once
// The one clock for time limits and deadlines: monotonic, so a change of the
// system time never shortens or stretches a wait.

namespace orvo {

// Milliseconds of CLOCK_MONOTONIC (since an unspecified start, usually boot).
long long monotonicMs();

}  // namespace orvo
