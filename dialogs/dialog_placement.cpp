#include "dialogs/dialog_placement.h"

#include <algorithm>

#include "core/config_defaults.h"
#include "core/window_scale.h"
#include "core/workbench.h"

namespace orvo {
namespace {

bool ownsFactors(const DialogDesign& design) { return design.number >= 1 && design.number <= kDialogCount; }

}  // namespace

DialogGeometry openingGeometry(const Workbench& w, const DialogDesign& design, ScreenSize screen) {
    const ScreenFactor factor = ownsFactors(design) ? w.screenFactors[std::size_t(design.number - 1)] : ScreenFactor {};
    DialogGeometry at;
    at.width = scaledWindowLength(factor.x, design.width, screen.width, defaults::DesignScreenWidth);
    at.height = scaledWindowLength(factor.y, design.height, screen.height, defaults::DesignScreenHeight);
    // The speedbar keeps its own place; the dialog opens where the bar is.
    const int x = w.Menubar ? w.XScreenPosSpeedbar : w.XScreenPos;
    const int y = w.Menubar ? w.YScreenPosSpeedbar : w.YScreenPos;
    at.x = std::max(0, std::min(x, screen.width - at.width));
    at.y = std::max(0, std::min(y, screen.height - at.height));
    return at;
}

void storeSizeFactors(Workbench& w, const DialogDesign& design, int width, int height, ScreenSize screen) {
    if (!ownsFactors(design)) return;
    auto x = windowSizeFactor(width, design.width, screen.width, defaults::DesignScreenWidth);
    auto y = windowSizeFactor(height, design.height, screen.height, defaults::DesignScreenHeight);
    if (!x || !y) return;
    w.screenFactors[std::size_t(design.number - 1)] = {*x, *y};
}

}  // namespace orvo
