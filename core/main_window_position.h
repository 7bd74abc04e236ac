#pragma once
// The tabbed main window's place, kept as XScreenPos/YScreenPos: taken
// before actions and at "Quit", so dialogs and the next start find it.
namespace orvo {

class MainWindowView;
struct Workbench;

// Does nothing in speedbar mode: the bar's place is kept apart.
void recordMainWindowPosition(Workbench& workbench, const MainWindowView& view);

}  // namespace orvo
