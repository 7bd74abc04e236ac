#include "editor/editor_launch.h"

#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "jobs/launcher.h"
#include "platform/repeating_timer.h"

namespace orvo {
namespace {

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

std::string editorCommand(const Workbench& w) {
    std::string command = w.editor.Editor + " " + quoted(w.mainPath + w.MainFileName);
    if (!w.CurrentFileName.empty()) command += " " + quoted(w.CurrentFileName);
    return command;
}

bool openInEditor(const Workbench& w, Launcher& launcher, const std::string& path) {
    return launcher.startDirect(w.editor.Editor + " " + quoted(path), false);
}

EditorStartTimer::EditorStartTimer(Workbench& workbench, RepeatingTimer& timer, Launcher& launcher,
                                   EditorExchanges& exchanges)
    : workbench_(workbench), timer_(timer), launcher_(launcher), exchanges_(exchanges) {}

void EditorStartTimer::start() {
    if (timer_.active()) return;
    ticks_ = 0;
    timer_.start(kPeriodMs, [this] { tick(); });
}

void EditorStartTimer::tick() {
    ++ticks_;
    if (!exchanges_.editorRunning()) {
        if (ticks_ >= kMostTicks) timer_.stop();
        return;
    }
    timer_.stop();
    const EditorProfile& p = workbench_.editor;
    if (p.StartEditorWithProgram.empty()) return;
    launcher_.startDirect(p.StartEditorWithProgram, false);
    if (exchanges_.editorRunning() && !p.DDEEditForeground.empty()) exchanges_.bringEditorToFront();
}

void startEditor(Workbench& w, Launcher& launcher, EditorStartTimer& startTimer) {
    if (w.MainFileName.empty()) return;
    launcher.changeFolder(w.mainPath);
    launcher.startDirect(editorCommand(w), false);
    if (!w.editor.StartEditorWithProgram.empty()) startTimer.start();
}

}  // namespace orvo
