#include "core/window_scale.h"

#include <algorithm>
#include <cmath>

namespace orvo {

bool isUsableScreenFactor(double factor) { return factor > 0 && factor <= kMaxScreenFactor; }

double defaultScreenFactor(int designScreenLength, int screenLength) {
    return screenLength > 0 ? double(designScreenLength) / screenLength : 1.0;
}

int scaledWindowLength(double factor, int designLength, int screenLength, int designScreenLength) {
    if (screenLength <= 0 || designScreenLength <= 0) return std::max(1, designLength);
    if (!std::isfinite(factor) || factor <= 0) factor = 1;
    // Clamped as a double: converting a value beyond int's range is undefined.
    double length = factor * designLength * screenLength / designScreenLength + 0.5;
    return int(std::clamp(length, 1.0, double(screenLength)));
}

std::optional<double> windowSizeFactor(int length, int designLength, int screenLength, int designScreenLength) {
    if (length <= 0 || designLength <= 0 || screenLength <= 0 || designScreenLength <= 0) return std::nullopt;
    return (double(length) / screenLength) / (double(designLength) / designScreenLength);
}

}  // namespace orvo
