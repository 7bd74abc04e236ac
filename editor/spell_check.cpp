#include "editor/spell_check.h"

#include "core/document_parameters.h"
#include "core/main_window_view.h"
#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "jobs/launcher.h"
#include "jobs/template_values.h"

namespace orvo {
// The spell-checker's window is a window of its own: the main window must
// not stay above it.
void spellCheck(Workbench& w, const SpellCheckServices& services) {
    services.exchanges.saveBeforeJob();
    if (services.view.stayOnTop()) services.view.setStayOnTop(false);
    std::string file = w.CurrentFileName.empty() ? w.mainPath + w.MainFileName : w.CurrentFileName;
    std::string spellFile = "\"" + file + "\"";
    services.launcher.changeFolder(w.mainPath);
    DocumentParameters(w, services.view, services.files).write(w.MainFileName, w.mainPath, w.CurrentFileName);
    TemplateValues values = templateValuesOf(w);
    values.spellFile = spellFile;
    services.launcher.startDirect(expandTemplate(w.SpellChecker, values), false);
}

}  // namespace orvo
