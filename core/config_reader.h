#pragma once
// Reading ConfigFile at start-up, key by key in the fixed order, with the
// values derived on the way (BatchExtension and COMSPEC, the font sizes of
// ScaleFonts, the port-script prefix, the split paths, the histories).
#include "core/config_file.h"
#include "core/workbench.h"
#include "platform/desktop.h"

namespace orvo {

class Environment;
class FileSystem;

struct ConfigReadContext {
    const FileSystem& files;
    const Environment& environment;
    ScreenSize screen;
};

// Every key after the early ones (`OwnTeXTreeDir`, `Web2cDir`, `SpellChecker`,
// `Web2cBINDir`), which start-up reads itself. Defaults that refer to other
// keys use the values just read; "current value" defaults use what the
// workbench holds.
void readConfiguration(const ConfigFile& config, Workbench& workbench, const ConfigReadContext& context);

// The history keys: entries trimmed, entries whose file is missing cleared,
// gaps closed so the remaining entries stand first in their order.
void readHistories(const ConfigFile& config, Workbench& workbench, const FileSystem& files);
void closeHistoryGaps(std::array<std::string, kHistorySize>& history);

}  // namespace orvo
