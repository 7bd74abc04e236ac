#include "editor/spell_check.h"

#include "core/document_parameters.h"
#include "core/main_window_view.h"
#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "jobs/launcher.h"
#include "jobs/templates.h"

namespace orvo {
namespace {

TemplateValues spellCheckValues(const Workbench& w, const std::string& spellFile) {
    TemplateValues values;
    values.mainPath = w.mainPath;
    values.mainFileName = w.MainFileName;
    values.currentFileName = w.CurrentFileName;
    values.spellLanguage = w.SpellLanguage;
    values.orvoLanguage = w.OrvoLanguage;
    values.windowLeft = w.XScreenPos;
    values.windowTop = w.YScreenPos;
    values.orvoBTMDir = w.OrvoBTMDir;
    values.spellFile = spellFile;
    values.iniDir = w.iniDir;
    values.iniName = w.iniName;
    values.web2cBINDir = w.Web2cBINDir;
    return values;
}

}  // namespace

// The spell-checker's window is a window of its own: the main window must
// not stay above it.
void spellCheck(Workbench& w, const SpellCheckServices& services) {
    services.exchanges.saveBeforeJob();
    if (services.view.stayOnTop()) services.view.setStayOnTop(false);
    std::string file = w.CurrentFileName.empty() ? w.mainPath + w.MainFileName : w.CurrentFileName;
    std::string spellFile = "\"" + file + "\"";
    services.launcher.changeFolder(w.mainPath);
    DocumentParameters(w, services.view, services.files).write(w.MainFileName, w.mainPath, w.CurrentFileName);
    services.launcher.startDirect(expandTemplate(w.SpellChecker, spellCheckValues(w, spellFile)), false);
}

}  // namespace orvo
