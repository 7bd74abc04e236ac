#pragma once
// The first-run configuration made without asking: the TeX Live found on
// this machine, an own TeX folder in the user's home, the US interface, the
// shipped command processor, and ConfigFile in the user's configuration folder.
#include <string>

#include "core/first_run_defaults.h"

namespace orvo {

class Environment;
class FileSystem;
class ProgramOutput;
struct Workbench;

struct TexLiveLocation {
    std::string rootDir;  // Web2cDir: the distribution's root, ending in '/'
    std::string binDir;   // Web2cBINDir: the folder of kpsewhich, ending in '/'
    std::string docDir;   // the documentation tree, TEXMFDIST + "/doc/", ending in '/'
};

// Looks for kpsewhich on PATH and asks it for the distribution's root and
// its documentation tree. Fields stay empty for what cannot be found.
TexLiveLocation detectTexLive(const FileSystem& files, const Environment& environment, ProgramOutput& programs);

// The PostScript and PDF viewer: gv when it is on PATH, else the desktop's
// opener.
std::string detectPostScriptViewer(const FileSystem& files, const Environment& environment);

// The own TeX folder in the user's home.
inline constexpr const char* kOwnTreeName = "texfiles/";

// Fills the workbench as the initialization would and prepares the folders.
void applyFirstRunDefaults(Workbench& workbench, FileSystem& files, const Environment& environment,
                           ProgramOutput& programs);

// The first run's defaults on this machine's services, for start-up.
class DetectedFirstRunDefaults : public FirstRunDefaults {
public:
    DetectedFirstRunDefaults(FileSystem& files, const Environment& environment, ProgramOutput& programs)
        : files_(files), environment_(environment), programs_(programs) {}
    void apply(Workbench& workbench) override { applyFirstRunDefaults(workbench, files_, environment_, programs_); }

private:
    FileSystem& files_;
    const Environment& environment_;
    ProgramOutput& programs_;
};

}  // namespace orvo
