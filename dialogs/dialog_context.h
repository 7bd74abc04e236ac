#pragma once
// What every utility dialog works with: the workbench state, the main window
// it opens over, the set it belongs to and the services its jobs use.
namespace orvo {

class Desktop;
class FileSystem;
class Launcher;
class MainWindowShell;
class MainWindowView;
class ShellOpen;
class UserInteraction;
class UtilityDialogSet;
struct Workbench;

struct DialogContext {
    Workbench& workbench;
    MainWindowView& mainWindow;
    MainWindowShell& shell;
    UtilityDialogSet& dialogs;
    Desktop& desktop;
    UserInteraction& ui;
    FileSystem& files;
    ShellOpen& shellOpen;
    Launcher& launcher;
};

}  // namespace orvo
