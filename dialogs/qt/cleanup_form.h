#pragma once
// The "Clean up files" dialog (TForm9): the check list of the masks, the
// folder field with "Change folder", "Clean up deeper folders too", OK and
// Cancel. It shows what its logic decides and forwards the user's clicks
// and keys; a click or key in the folder field opens the folder chooser.
#include <QDialog>
#include <string>
#include <vector>

#include "dialogs/cleanup_dialog.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvo {

class CleanupForm : public QDialog, public CleanupView {
    Q_OBJECT
public:
    explicit CleanupForm(QWidget* parent = nullptr);

    // Connects the form to its logic.
    void attach(CleanupDialog& logic) { logic_ = &logic; }
    // The window's texts from the UI strings in force.
    void applyTexts(const std::vector<std::string>& uiStrings, const std::string& charsetName);

    void showMasks(const std::vector<std::string>& masks) override;
    void showTick(std::size_t entry, bool ticked) override;
    void showFolder(const std::string& folder) override;
    void showDeeperFolders(bool deeper) override;
    // Ends the dialog (its finished() signal).
    void closeWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape and the window's close button cancel.
    void reject() override;

private:
    void toggle(int row);

    CleanupDialog* logic_ = nullptr;
    QListWidget* masks_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QPushButton* changeFolder_ = nullptr;
    QCheckBox* deeper_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool showing_ = false;
};

}  // namespace orvo
