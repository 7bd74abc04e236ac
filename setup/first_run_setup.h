#pragma once
// The first-run configuration made without asking: the TeX Live found on
// this machine, an own TeX folder in the user's home, the US interface, the
// shipped command processor, and ConfigFile in the user's configuration folder.
#include <string>

namespace orvo {

class Environment;
class FileSystem;
class ProgramOutput;
struct Workbench;

struct TexLiveLocation {
    std::string rootDir;  // Web2cDir: the distribution's root, ending in '/'
    std::string binDir;   // Web2cBINDir: the folder of kpsewhich, ending in '/'
};

// Looks for kpsewhich on PATH and asks it for the distribution's root.
// Fields stay empty for what cannot be found.
TexLiveLocation detectTexLive(const FileSystem& files, const Environment& environment, ProgramOutput& programs);

// The own TeX folder in the user's home.
inline constexpr const char* kOwnTreeName = "texfiles/";

// Fills the workbench as the initialization would and prepares the folders.
void applyFirstRunDefaults(Workbench& workbench, FileSystem& files, const Environment& environment,
                           ProgramOutput& programs);

}  // namespace orvo
