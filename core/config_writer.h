#pragma once
// Writing ConfigFile in full: every key the workbench owns, in its fixed
// order, in one pass and one crash-safe file write. Keys, sections, comments
// and lines the workbench does not own stay as they were.
#include <optional>
#include <span>

#include "platform/desktop.h"

namespace orvo {

class ConfigFile;
class ConfigSectionWriter;
class FileSystem;
class UserInteraction;
struct Workbench;

struct WindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0;   // without the window manager's frame
    int height = 0;
    bool tabPagesHidden = false;  // the speedbar is shown instead of the tabbed window
};

struct ConfigWriteContext {
    FileSystem& files;
    UserInteraction& ui;
    ScreenSize screen;
    // The main window as it stands; nothing for a pass without window geometry.
    std::optional<WindowGeometry> window;
    // Sections of the subsystems above, written after `System` in this order.
    std::span<const ConfigSectionWriter* const> sections = {};
};

// Returns false when the file could not be written; the user has then been
// told, if `ShowINIErrors` asks for it. A ConfigFile that start-up could not
// read is not written (start-up has said so): false, without a report.
bool writeConfiguration(Workbench& workbench, const ConfigWriteContext& context);

// Everything writeConfiguration() puts into its pass, into `config`, for a
// pass that other parts fill too before its one write.
void writeConfigurationKeys(Workbench& workbench, ConfigFile& config, const ConfigWriteContext& context);

}  // namespace orvo
