#pragma once
// Choosing the editor from the profile sections of ConfigFile. The list
// dialog itself belongs to the caller, which hands it in as `chooser`.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvo {

class Environment;
class FileSystem;
class MainWindowView;
struct Workbench;

// The chooser's caption.
inline constexpr int kEditorChooserCaptionMessage = 50;
// The picture beside each editor in the chooser.
inline constexpr int kEditorChooserIcon = 16;

struct EditorChoiceServices {
    FileSystem& files;
    Environment& environment;
    MainWindowView& view;
};

// Shows `caption` over `names` modally; the chosen name, or nothing.
using EditorChooser =
    std::function<std::optional<std::string>(const std::string& caption, const std::vector<std::string>& names)>;

// Makes `name` the active editor in the current language: the profile with
// the choice fallbacks, the editor environment, ORVOSET.BAT and the editor
// field follow.
void applyEditorChoice(Workbench& workbench, const std::string& name, const EditorChoiceServices& services);

// The whole choice: the environment batch file goes while the chooser is up
// (and comes back afterwards, chosen or not), a main window that stays on
// top drops that style meanwhile.
void chooseEditor(Workbench& workbench, const EditorChoiceServices& services, const EditorChooser& chooser);

}  // namespace orvo
