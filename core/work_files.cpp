#include "core/work_files.h"

#include "core/environment_batch_file.h"
#include "core/path_names.h"
#include "core/workbench.h"
#include "platform/file_system.h"

namespace orvo {
namespace {

bool isEnvironmentFile(const std::string& path) {
    std::string name = fileNameOf(path);
    return name == kEnvironmentBatchFile || name == kEnvironmentShellFile;
}

// A main file that happens to carry a work file's name is the user's
// document, never a work file.
bool isMainFile(const Workbench& w, const std::string& path) {
    return !w.MainFileName.empty() && path == w.mainPath + w.MainFileName;
}

}  // namespace

void WorkFiles::remove(FileSystem& files, const std::function<bool(const std::string&)>& pick) {
    for (auto it = paths_.begin(); it != paths_.end();) {
        bool gone = pick(*it) && (files.removeFile(*it) || !files.fileExists(*it));
        it = gone ? paths_.erase(it) : std::next(it);
    }
}

void removeWorkFilesLeftBehind(Workbench& w, FileSystem& files, const std::string& formerMainPath) {
    if (formerMainPath.empty() || formerMainPath == w.mainPath) return;
    std::string current = files.currentDirectory();
    w.workFiles.remove(files, [&](const std::string& path) {
        std::string folder = folderOf(path);
        if (folder != formerMainPath || isMainFile(w, path)) return false;
        return !(isEnvironmentFile(path) && folder == current);
    });
}

void removeAllWorkFiles(Workbench& w, FileSystem& files) {
    w.workFiles.remove(files, [&](const std::string& path) { return !isMainFile(w, path); });
}

}  // namespace orvo
