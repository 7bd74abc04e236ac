#pragma once
// Where a utility dialog opens and what it keeps when it closes: placed at
// the main window's saved position, sized by its `Screens` factors, kept
// inside the screen, and its factors stored again from its size on close.
#include "platform/desktop.h"

namespace orvo {

struct Workbench;

// A dialog as it was designed: its number (the `Screens` pair it owns) and
// its size on the design screen.
struct DialogDesign {
    int number = 0;
    int width = 0;
    int height = 0;
};

struct DialogGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Moved up or left as far as needed to stay on the screen, never past its
// top-left corner.
DialogGeometry openingGeometry(const Workbench& workbench, const DialogDesign& design, ScreenSize screen);

// The factors of a dialog that closes at this size; a size that gives no
// usable factor keeps the old ones.
void storeSizeFactors(Workbench& workbench, const DialogDesign& design, int width, int height, ScreenSize screen);

}  // namespace orvo
