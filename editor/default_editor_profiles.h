#pragma once
// The profiles a first run writes: one for every known editor found on
// PATH, and the best of them chosen.
namespace orvo {

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

// Writes the sections in one pass (each value replacing what was there) and
// makes the best editor found the active one, with its environment. A file
// that cannot be written is reported when `ShowINIErrors` is on; false then.
bool writeDefaultEditorProfiles(Workbench& workbench, const DefaultProfileServices& services);

}  // namespace orvo
