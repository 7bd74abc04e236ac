#include "core/main_window_position.h"

#include "core/main_window_view.h"
#include "core/workbench.h"

namespace orvo {

void recordMainWindowPosition(Workbench& workbench, const MainWindowView& view) {
    if (workbench.Menubar) return;
    WindowGeometry geometry = view.geometry();
    if (geometry.tabPagesHidden) return;
    workbench.XScreenPos = geometry.x;
    workbench.YScreenPos = geometry.y;
}

}  // namespace orvo
