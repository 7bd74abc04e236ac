#pragma once
// The active profile at start-up and at a change of interface language.
namespace orvo {

class Environment;
class FileSystem;
class IniDocument;
class MainWindowView;
struct Workbench;

// Resolves the stored `EditorSection` (or the default) for the interface
// language, loads it with the start-up fallbacks, sets the editor
// environment and shows the editor's name.
void loadEditorProfileAtStartup(Workbench& workbench, const IniDocument& config, Environment& environment,
                                MainWindowView& view, const FileSystem& files);

// After the new language is in force: the same editor in that language,
// start-up fallbacks, environment untouched.
void reloadEditorProfileForLanguage(Workbench& workbench, const IniDocument& config, const FileSystem& files);

// The automatic save period; 0 (no automatic save) for `AutoSave` <= 0.
int autoSaveIntervalMs(const Workbench& workbench);

}  // namespace orvo
