#include "dialogs/delete_files.h"

#include <vector>

#include "core/path_names.h"
#include "core/text.h"
#include "core/workbench.h"
#include "dialogs/file_mask.h"
#include "platform/file_system.h"
#include "platform/mount_table.h"

namespace orvo {
namespace {

// The folder as an absolute path ending in '/': the hit list names every
// file in full, and the mount table and the main file are compared by it.
std::string absoluteFolder(const FileSystem& files, const std::string& folder) {
    std::string absolute = !folder.empty() && folder.front() == '/' ? folder : files.currentDirectory() + folder;
    if (absolute.empty() || absolute.back() != '/') absolute += '/';
    return collapseDoubledSlashes(absolute);
}

// The pieces of the list; an empty piece would match nothing, so it is
// not searched for at all.
std::vector<std::string> masksOf(const std::string& list) {
    std::vector<std::string> masks;
    for (const std::string& piece : split(list, ';')) {
        std::string mask = trim(piece);
        if (!mask.empty()) masks.push_back(mask);
    }
    return masks;
}

}  // namespace

// One request's walk: one mask through the whole tree, then the next.
class DeleteFiles::Search {
public:
    Search(const Workbench& w, DeleteFilesServices& services, DeletingFilesView& view)
        : workbench_(w),
          services_(services),
          view_(view),
          mounts_(services.mounts.mounts()),
          mainFile_(w.MainFileName.empty() ? std::string() : collapseDoubledSlashes(w.mainPath + w.MainFileName)),
          mainFileName_(w.MainFileName) {}

    DeleteOutcome searchFolder(const std::string& folder, const std::string& mask, bool subfolders) {
        if (onDisc(folder)) return DeleteOutcome::Done;
        std::vector<DirectoryEntry> entries = services_.files.listEntries(folder);
        for (const DirectoryEntry& entry : entries) {
            if (matchesFileMask(mask, entry.name)) hit(folder, entry);
        }
        if (services_.processEvents && services_.processEvents()) return DeleteOutcome::Terminating;
        if (jobRunning()) return DeleteOutcome::JobRunning;
        if (!subfolders) return DeleteOutcome::Done;
        for (const DirectoryEntry& entry : entries) {
            if (entry.kind != DirectoryEntry::Kind::Folder || entry.hidden()) continue;
            DeleteOutcome outcome = searchFolder(folder + entry.name + "/", mask, true);
            if (outcome != DeleteOutcome::Done) return outcome;
        }
        return DeleteOutcome::Done;
    }

    // Asked anew after each folder: the events processed meanwhile may have
    // started a job.
    bool jobRunning() const {
        return workbench_.jobs.compileBusy || (services_.jobRunning && services_.jobRunning());
    }

private:
    bool onDisc(const std::string& folder) const {
        std::optional<Mount> mount = mountHolding(mounts_, folder);
        return mount && isDiscFileSystem(mount->type);
    }

    bool isMainFile(const std::string& path, const std::string& name) const {
        if (mainFile_.empty()) return false;
        return path == mainFile_ || (name == mainFileName_ && services_.files.sameFile(path, mainFile_));
    }

    // A folder is listed and stays; a link goes as a link.
    void hit(const std::string& folder, const DirectoryEntry& entry) {
        std::string path = folder + entry.name;
        bool deleted = entry.kind != DirectoryEntry::Kind::Folder && !isMainFile(path, entry.name) &&
                       services_.files.removeFile(path);
        view_.appendLine(deleted ? path : path + kNotDeletedMark);
    }

    const Workbench& workbench_;
    DeleteFilesServices& services_;
    DeletingFilesView& view_;
    std::vector<Mount> mounts_;
    std::string mainFile_;
    std::string mainFileName_;
};

DeleteFiles::DeleteFiles(const Workbench& workbench, DeleteFilesServices services)
    : workbench_(workbench), services_(std::move(services)) {}

DeleteOutcome DeleteFiles::run(const DeleteRequest& request) {
    DeletingFilesView& view = services_.openWindow();
    view.setInteractive(request.interactive);
    view.showWindow();
    view.setSearching(true);
    Search search(workbench_, services_, view);
    DeleteOutcome outcome = search.jobRunning() ? DeleteOutcome::JobRunning : DeleteOutcome::Done;
    std::string folder = absoluteFolder(services_.files, request.folder);
    for (const std::string& mask : masksOf(request.masks)) {
        if (outcome != DeleteOutcome::Done) break;
        outcome = search.searchFolder(folder, mask, request.subfolders);
    }
    if (outcome == DeleteOutcome::JobRunning) view.appendLine(kJobRunningLine);
    if (outcome == DeleteOutcome::Done) {
        view.appendLine("");
        view.appendLine(kDoneLine);
    }
    view.setSearching(false);
    return outcome;
}

}  // namespace orvo
