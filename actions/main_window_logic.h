#pragma once
// What the main window's action buttons, file fields and choice fields do,
// and the program options that take effect at once. The Qt window forwards
// each activation here with the role (action or alternative) its mouse button
// or key stands for.
#include <functional>
#include <string>
#include <vector>

#include "actions/action_hints.h"
#include "actions/actions_view.h"
#include "actions/button_press.h"
#include "actions/chooser.h"
#include "actions/file_choice.h"
#include "core/main_window_view.h"

namespace orvo {

class MainWindowShell;
class UtilityDialogs;

enum class MainControl {
    // Action buttons, one of each on the pages that carry it.
    Compile,
    Preview,
    Print,
    LogFile,
    Edit,
    SpellCheck,
    // File fields and their browse buttons.
    MainFile,
    CurrentFile,
    // Choice fields and their browse buttons.
    FormatField,
    FormatButton,
    SpellLanguage,
    PrintDestination,
    PrinterType,
    Previewer,
    BibTeXEditor,
    Editor,
};

enum class ProgramOption {
    StayOnTop,
    GrabConsoleOutput,
    AlwaysShowConsole,
    ReplaceVirtualFonts,
    GradientCaption,
    ShowOnTaskBar,
    ShowOnTaskTray,
};

// Work of other parts of the workbench that the buttons start; an empty one
// makes its button do nothing.
struct MainWindowHooks {
    std::function<void()> edit;              // start the editor on the main and current file
    std::function<void()> spellCheck;        // start the spell-checker
    std::function<void()> showConsole;       // the console window without a job
    std::function<void()> chooseEditor;      // the editor chooser
    std::function<void()> saveBeforeJob;     // the editor saves, the spell-checker hears of the file
};

struct MainWindowServices {
    FileSystem& files;
    UserInteraction& ui;
    Desktop& desktop;
    // The printer options and the entries of the utilities list.
    UtilityDialogs& dialogs;
    MainWindowShell& shell;
    // The jobs on the main file; none makes Compile, Preview, Print and Log
    // file do nothing.
    JobActions* jobs = nullptr;
};

class MainWindowLogic {
public:
    MainWindowLogic(Workbench& workbench, MainWindowView& view, ActionsView& actionsView, ChooserView& chooserView,
                    MainWindowServices services);

    MainWindowHooks hooks;

    // A control was released on (or keyed) with `role`; `at` is where a
    // menu it opens appears.
    void activate(MainControl control, ButtonRole role, MenuAnchor at);
    // An entry of the utilities list was clicked.
    void chooseUtility(const std::string& value);
    void drop(const std::vector<std::string>& paths) { fileChoice_.drop(paths); }

    // After the interface language changed: the hint templates are new.
    void languageChanged();
    void pageChanged(MainPage page);
    void setOption(ProgramOption option, bool on);
    bool option(ProgramOption option) const;

    FileChoice& fileChoice() { return fileChoice_; }
    Chooser& chooser() { return chooser_; }

private:
    void runJob(void (JobActions::*job)());
    void compile(void (JobActions::*job)());
    void historyMenu(std::vector<std::string> entries, MenuAnchor at, void (FileChoice::*take)(const std::string&));

    Workbench& workbench_;
    MainWindowView& view_;
    ActionsView& actionsView_;
    MainWindowServices services_;
    ActionHints hints_;
    FileChoice fileChoice_;
    Chooser chooser_;
};

}  // namespace orvo
