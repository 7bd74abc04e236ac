#pragma once
// Starting the editor: the Edit action on the main and current file, opening
// one file for the utility dialogs, and the editor-start timer that starts
// the macro program once the editor's window is up.
#include <string>

namespace orvo {

class EditorExchanges;
class Launcher;
class RepeatingTimer;
struct Workbench;

// `Editor`, then the main file and, when there is one, the current file,
// each in double quotes.
std::string editorCommand(const Workbench& workbench);

// Opens `path` in the editor without waiting; a failed start is reported by
// the direct start. True when it started.
bool openInEditor(const Workbench& workbench, Launcher& launcher, const std::string& path);

// Polls for the editor's window after the Edit action: once it is there, the
// macro program starts and the editor is brought to the front; after 15
// seconds without it the timer gives up.
class EditorStartTimer {
public:
    static constexpr int kPeriodMs = 100;
    static constexpr int kMostTicks = 150;

    EditorStartTimer(Workbench& workbench, RepeatingTimer& timer, Launcher& launcher, EditorExchanges& exchanges);

    // Starting it while it runs changes nothing.
    void start();
    void tick();

private:
    Workbench& workbench_;
    RepeatingTimer& timer_;
    Launcher& launcher_;
    EditorExchanges& exchanges_;
    int ticks_ = 0;
};

// The Edit action: nothing without a main file; otherwise the main folder
// becomes current, the editor starts on the files, and the start timer runs
// when the profile names a macro program.
void startEditor(Workbench& workbench, Launcher& launcher, EditorStartTimer& startTimer);

}  // namespace orvo
