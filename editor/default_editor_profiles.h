#pragma once
// The profiles a first run writes: one for every known editor found on
// PATH, and the best of them chosen.
namespace orvo {

class ConfigFile;
class Environment;
class FileSystem;
class MainWindowView;
class UserInteraction;
struct Workbench;

struct DefaultProfileServices {
    FileSystem& files;
    Environment& environment;
    UserInteraction& ui;
    MainWindowView& view;
};

// Adds the sections to the pass `config` (each value replacing what was
// there), writes the pass and makes the best editor found the active one,
// with its environment. A pass that cannot be written is reported; false
// then, and the active profile stays.
bool writeDefaultEditorProfiles(Workbench& workbench, ConfigFile& config, const DefaultProfileServices& services);

}  // namespace orvo
