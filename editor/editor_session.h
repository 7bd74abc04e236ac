#pragma once
// The editor side of a running workbench: the exchanges with the editor, the
// automatic save timer and the editor-start timer, on the services the
// application provides.
#include "core/auto_save.h"
#include "editor/editor_exchanges.h"
#include "editor/editor_launch.h"

namespace orvo {

class Launcher;
class RepeatingTimer;

struct EditorSessionServices {
    EditorExchangeServices exchanges;
    Launcher& launcher;
    RepeatingTimer& autoSaveTimer;
    RepeatingTimer& startTimer;
};

class EditorSession : public AutoSave {
public:
    EditorSession(Workbench& workbench, EditorSessionServices services);

    EditorExchanges& exchanges() { return exchanges_; }
    // The Edit action.
    void startEditor();
    // (Re)starts the automatic save with the profile's `AutoSave` period; a
    // period of 0 or less stops it.
    void restartAutoSave() override;

private:
    Workbench& workbench_;
    EditorSessionServices services_;
    EditorExchanges exchanges_;
    EditorStartTimer startTimer_;
};

}  // namespace orvo
