#include "editor/editor_environment.h"

#include "core/workbench.h"
#include "platform/environment.h"

namespace orvo {
namespace {

bool setNotEmpty(const Environment& environment, const char* name) {
    return !environment.get(name).value_or(std::string()).empty();
}

}  // namespace

// No "start " prefix here: the TeX programs start the call-back by themselves.
void setEditorEnvironment(const Workbench& w, Environment& environment, EditorEnvironmentForm form) {
    bool startup = form == EditorEnvironmentForm::Startup;
    environment.set("TEXEDIT", w.TeXEdit);
    if (!startup || setNotEmpty(environment, "MPEDIT")) environment.set("MPEDIT", w.TeXEdit);
    if (setNotEmpty(environment, "MFEDIT")) environment.set("MFEDIT", w.TeXEdit);
    if (startup) environment.set("EDITOR", w.editor.Editor);
}

}  // namespace orvo
