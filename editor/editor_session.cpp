#include "editor/editor_session.h"

#include "editor/editor_startup.h"
#include "platform/repeating_timer.h"

namespace orvo {

EditorSession::EditorSession(Workbench& workbench, EditorSessionServices services)
    : workbench_(workbench),
      services_(services),
      exchanges_(workbench, services.exchanges),
      startTimer_(workbench, services.startTimer, services.launcher, exchanges_) {}

void EditorSession::startEditor() { orvo::startEditor(workbench_, services_.launcher, startTimer_); }

void EditorSession::restartAutoSave() {
    int period = autoSaveIntervalMs(workbench_);
    if (period <= 0) return services_.autoSaveTimer.stop();
    services_.autoSaveTimer.start(period, [this] { exchanges_.autoSaveTick(); });
}

}  // namespace orvo
