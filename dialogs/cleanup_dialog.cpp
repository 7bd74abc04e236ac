#include "dialogs/cleanup_dialog.h"

#include "actions/message_entries.h"
#include "core/one_value_template.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/workbench.h"
#include "dialogs/delete_files.h"
#include "jobs/launcher.h"
#include "platform/user_interaction.h"

namespace orvo {

// Where the folder chooser starts when the field is empty: the root, as a
// drive's root on a system with drives.
constexpr const char* kEmptyFieldStartFolder = "/";

CleanupDialog::CleanupDialog(const Workbench& workbench, CleanupView& view, CleanupServices services)
    : workbench_(workbench), view_(view), services_(std::move(services)) {}

void CleanupDialog::open() {
    services_.launcher.changeFolder(workbench_.mainPath);
    folder_ = workbench_.mainPath;
    deeper_ = false;
    emptyReported_ = false;
    view_.showFolder(folder_);
    view_.showDeeperFolders(false);
    activated();
}

void CleanupDialog::activated() {
    masks_.clear();
    for (const std::string& piece : split(workbench_.CleanupFiles, ';')) masks_.push_back(trim(piece));
    ticks_.assign(masks_.size(), false);
    view_.showMasks(masks_);
    if (!workbench_.CleanupFiles.empty() || emptyReported_) return;
    emptyReported_ = true;
    std::string text = Startup::messageText(workbench_, kListFileMissingMessage, "List file missing or empty: $s");
    services_.ui.showMessage(
        {MessageKind::Error, fillOneValueTemplate(text, ""), MessageButtons::Ok, MessagePlacement::MainWindowCentre});
}

void CleanupDialog::toggle(std::size_t entry) {
    if (entry >= ticks_.size()) return;
    ticks_[entry] = !ticks_[entry];
    view_.showTick(entry, ticks_[entry]);
}

void CleanupDialog::changeFolder() {
    if (!services_.chooseFolder) return;
    std::optional<std::string> chosen =
        services_.chooseFolder(kCleanupFolderPurpose, folder_.empty() ? kEmptyFieldStartFolder : folder_);
    if (chosen && !chosen->empty()) {
        folder_ = chosen->back() == '/' ? *chosen : *chosen + "/";
        view_.showFolder(folder_);
    }
    // The chooser was modal: the dialog is active again.
    activated();
}

void CleanupDialog::ok() {
    std::string list;
    for (std::size_t i = 0; i < masks_.size(); ++i) {
        if (ticks_[i]) list += masks_[i] + ";";
    }
    DeleteRequest request {folder_, list, deeper_, true};
    DeleteFiles& deleteFiles = services_.deleteFiles;
    view_.closeWindow();
    // From here on `this` may be gone with its window.
    deleteFiles.run(request);
}

void CleanupDialog::cancel() { view_.closeWindow(); }

}  // namespace orvo
