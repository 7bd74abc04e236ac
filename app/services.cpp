#include "app/services.h"

#include <QCoreApplication>

namespace orvo {

Services::Services()
    : launcher(workbench, {processes, otherWindows, files, ui}),
      // The spell-checker notice lets pending events through once.
      editor(workbench, {{ddeClient, otherWindows, [] { QCoreApplication::processEvents(); }},
                         launcher,
                         autoSaveTimer,
                         editorStartTimer}) {}

}  // namespace orvo
