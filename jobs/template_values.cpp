#include "jobs/template_values.h"

#include "core/workbench.h"

namespace orvo {

TemplateValues templateValuesOf(const Workbench& w) {
    TemplateValues values;
    values.mainPath = w.mainPath;
    values.mainFileName = w.MainFileName;
    values.currentFileName = w.CurrentFileName;
    values.spellLanguage = w.SpellLanguage;
    values.orvoLanguage = w.OrvoLanguage;
    values.windowLeft = w.XScreenPos;
    values.windowTop = w.YScreenPos;
    values.orvoBTMDir = w.OrvoBTMDir;
    values.iniDir = w.iniDir;
    values.iniName = w.iniName;
    values.web2cBINDir = w.Web2cBINDir;
    return values;
}

}  // namespace orvo
