#pragma once
// The "Clean up files" dialog (TForm9): the user ticks which of the
// `CleanupFiles` masks to delete, may choose another folder and include its
// subfolders. Nothing of a clean-up is kept: the ticks, the folder and the
// subfolder box start afresh at each opening.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvo {

class DeleteFiles;
class Launcher;
class UserInteraction;
struct Workbench;

// What the dialog's logic shows; the Qt form implements it.
class CleanupView {
public:
    virtual ~CleanupView() = default;
    // The check list anew, every entry unticked.
    virtual void showMasks(const std::vector<std::string>& masks) = 0;
    virtual void showTick(std::size_t entry, bool ticked) = 0;
    virtual void showFolder(const std::string& folder) = 0;
    virtual void showDeeperFolders(bool deeper) = 0;
    virtual void closeWindow() = 0;
};

// The folder purpose under which the clean-up asks for a folder.
inline constexpr const char* kCleanupFolderPurpose = "Cleaning up files ...";

// Opens the folder chooser modally for `purpose` on `startFolder`: the
// chosen folder, or nothing when the user aborted.
using FolderChooser =
    std::function<std::optional<std::string>(const std::string& purpose, const std::string& startFolder)>;

struct CleanupServices {
    UserInteraction& ui;
    Launcher& launcher;
    DeleteFiles& deleteFiles;
    FolderChooser chooseFolder;
};

class CleanupDialog {
public:
    CleanupDialog(const Workbench& workbench, CleanupView& view, CleanupServices services);

    // The utilities entry: the main folder becomes the current folder and
    // the folder field; the form is shown by its caller.
    void open();
    // Each time the dialog becomes active: the list anew from
    // `CleanupFiles`, so returning from the folder chooser clears the ticks.
    void activated();
    void toggle(std::size_t entry);
    void setDeeperFolders(bool deeper) { deeper_ = deeper; }
    // "Change folder", or a click or key in the folder field.
    void changeFolder();
    // "OK": the ticked masks in list order go to the deletion; the dialog
    // closes first, so nothing of it is used while the deletion runs.
    void ok();
    void cancel();

    const std::vector<std::string>& masks() const { return masks_; }
    const std::vector<bool>& ticks() const { return ticks_; }
    const std::string& folder() const { return folder_; }
    bool deeperFolders() const { return deeper_; }

private:
    const Workbench& workbench_;
    CleanupView& view_;
    CleanupServices services_;
    std::vector<std::string> masks_;
    std::vector<bool> ticks_;
    std::string folder_;
    bool deeper_ = false;
    // An empty list is reported once per opening: the box itself takes the
    // activation away, and giving it back must not show the box again.
    bool emptyReported_ = false;
};

}  // namespace orvo
