#include "dialogs/quit_cleanup.h"

#include "core/workbench.h"
#include "dialogs/delete_files.h"

namespace orvo {
namespace {

// No main folder would mean the current folder, and "/" the whole system.
bool sweepable(const std::string& folder) { return folder.find_first_not_of('/') != std::string::npos; }

}  // namespace

bool QuitCleanup::run() {
    const Workbench& w = workbench_;
    if (w.DelFiles.empty() || !sweepable(w.mainPath)) return true;
    return deleteFiles_.run({w.mainPath, w.DelFiles, false, false}) != DeleteOutcome::Terminating;
}

}  // namespace orvo
