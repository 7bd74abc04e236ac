#pragma once
// "Clean up files" as the dialog set drives it: its logic and form made
// together, placed and kept by the common frame, made anew at each use.
#include <QPointer>

#include "dialogs/cleanup_dialog.h"
#include "dialogs/dialog_frame.h"
#include "dialogs/qt/cleanup_form.h"
#include "dialogs/utility_dialog_set.h"

class QWidget;

namespace orvo {

inline constexpr int kCleanupDialogNumber = 9;

class CleanupWindow : public UtilityWindow {
public:
    CleanupWindow(DialogContext& context, DeleteFiles& deleteFiles, FolderChooser chooseFolder, QWidget* parent);
    ~CleanupWindow() override;
    void showWindow() override;
    void applyTexts() override;

private:
    DialogFrame frame_;
    QPointer<CleanupForm> form_;
    CleanupDialog logic_;
    bool shown_ = false;
};

}  // namespace orvo
