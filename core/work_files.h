#pragma once
// The files the workbench writes for its own use (the environment batch
// files, the block compile's scratch files) and where it wrote them. Each is
// removed when the workbench leaves its folder and at quit, so that no
// document's folder keeps them after the workbench is gone.
#include <functional>
#include <set>
#include <string>

namespace orvo {

class FileSystem;
struct Workbench;

class WorkFiles {
public:
    // A work file just written, by its full path.
    void written(const std::string& path) { paths_.insert(path); }
    const std::set<std::string>& paths() const { return paths_; }

    // Removes each recorded file that `pick` chooses and forgets it. One
    // that cannot be removed and is still there stays recorded, for the
    // next try.
    void remove(FileSystem& files, const std::function<bool(const std::string& path)>& pick);

private:
    std::set<std::string> paths_;
};

// The main file has moved from `formerMainPath` to another folder: the work
// files written there go. The environment batch files stay while that folder
// is the current folder, which they belong to.
void removeWorkFilesLeftBehind(Workbench& workbench, FileSystem& files, const std::string& formerMainPath);
// At quit: every work file the workbench wrote, wherever it is.
void removeAllWorkFiles(Workbench& workbench, FileSystem& files);

}  // namespace orvo
