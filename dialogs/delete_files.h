#pragma once
// The delete-files engine behind the clean-up dialog and the quit: for each
// ";"-separated mask in turn, the matching entries of a folder (and, when
// asked, of its subfolders, depth first) are listed in the "Deleting files"
// window and deleted. Safe by construction: only names that match a mask are
// touched, never the main file; a link is removed as a link and a linked
// folder never entered, so nothing outside the folder's own tree is reached;
// hidden folders are left alone; a disc is not searched; and nothing at all
// is deleted while a job runs.
#include <functional>
#include <string>

namespace orvo {

class FileSystem;
class MountTable;
struct Workbench;

struct DeleteRequest {
    std::string folder;  // empty: the current folder
    std::string masks;   // ";"-separated
    bool subfolders = false;
    bool interactive = false;  // from the dialog; false at quit
};

enum class DeleteOutcome {
    Done,
    // The workbench was asked to terminate while the search ran: it stopped.
    Terminating,
    // A job was running (or started meanwhile): nothing more was deleted.
    JobRunning,
};

// The "Deleting files" window (TForm18) as the engine drives it.
class DeletingFilesView {
public:
    virtual ~DeletingFilesView() = default;
    // Interactive: "OK" shown and the quit label hidden; at quit the other
    // way round (the window then stays until the program ends).
    virtual void setInteractive(bool interactive) = 0;
    // Shown without being modal.
    virtual void showWindow() = 0;
    virtual void appendLine(const std::string& line) = 0;
    // While the search runs the pointer is busy and the window stays open.
    virtual void setSearching(bool searching) = 0;
};

struct DeleteFilesServices {
    FileSystem& files;
    const MountTable& mounts;
    // A new "Deleting files" window for each request. It belongs to the
    // user interface, which closes it; it is not closed while a search runs.
    std::function<DeletingFilesView&()> openWindow;
    // Lets the user interface process its pending events; true when the
    // workbench has been asked to terminate.
    std::function<bool()> processEvents;
    // Whether a job runs now (the console's, a started program's). A
    // compile that has not ended counts as running in any case.
    std::function<bool()> jobRunning;
};

// What the hit list says of a file that stays, and in place of any deletion
// while a job runs.
inline constexpr const char* kNotDeletedMark = "  (not deleted)";
inline constexpr const char* kJobRunningLine = "A job is running: no file is deleted until it has ended.";
inline constexpr const char* kDoneLine = "DONE!";

class DeleteFiles {
public:
    DeleteFiles(const Workbench& workbench, DeleteFilesServices services);

    DeleteOutcome run(const DeleteRequest& request);

private:
    class Search;

    const Workbench& workbench_;
    DeleteFilesServices services_;
};

}  // namespace orvo
