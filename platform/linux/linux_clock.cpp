#include "platform/linux/linux_clock.h"

#include <time.h>

namespace orvo {

long long monotonicMs() {
    timespec ts {};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000LL + ts.tv_nsec / 1000000;
}

}  // namespace orvo
