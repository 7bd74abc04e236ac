#include "core/speedbar_layout.h"

namespace orvo {

int speedbarLayoutNumber(bool userPosition, bool left, bool top, bool vertical) {
    int base = vertical ? 5 : 0;
    if (userPosition) return base;
    int corner = left ? (top ? 1 : 2) : (top ? 3 : 4);
    return base + corner;
}

}  // namespace orvo
