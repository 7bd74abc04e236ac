#include "editor/editor_choice.h"

#include "core/config_file.h"
#include "core/config_keys.h"
#include "core/environment_batch_file.h"
#include "core/main_window_view.h"
#include "core/startup.h"
#include "core/workbench.h"
#include "editor/editor_environment.h"
#include "editor/editor_profiles.h"

namespace orvo {

void applyEditorChoice(Workbench& w, const std::string& name, const EditorChoiceServices& services) {
    ConfigFile config(services.files, configFilePath(w));
    w.activeEditorSection =
        resolveActiveSection(config.document(), std::string(kEditorSectionPrefix) + name, w.OrvoLanguage);
    loadEditorProfile(w, config.document(), ProfileFallback::Choice, services.files);
    setEditorEnvironment(w, services.environment, EditorEnvironmentForm::Choice);
    writeEnvironmentBatchFile(w, services.files);
    services.view.showChoice(ChoiceField::Editor, name);
}

void chooseEditor(Workbench& w, const EditorChoiceServices& services, const EditorChooser& chooser) {
    deleteEnvironmentBatchFile(services.files);
    std::vector<std::string> names = listEditors(ConfigFile(services.files, configFilePath(w)).document());
    bool onTop = services.view.stayOnTop();
    if (onTop) services.view.setStayOnTop(false);
    std::optional<std::string> chosen =
        chooser ? chooser(Startup::messageText(w, kEditorChooserCaptionMessage, "Choose the editor"), names)
                : std::nullopt;
    if (chosen) applyEditorChoice(w, *chosen, services);
    if (onTop) services.view.setStayOnTop(true);
    writeEnvironmentBatchFile(w, services.files);
}

}  // namespace orvo
