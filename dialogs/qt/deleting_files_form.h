#pragma once
// The "Deleting files" window (TForm18): the hit list filling the window,
// "OK" when the user asked for the clean-up, the bold quit label when the
// workbench is ending. A new window for each deletion; it is destroyed when
// closed, and cannot be closed while its search runs.
#include <QDialog>
#include <string>
#include <vector>

#include "dialogs/delete_files.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orvo {

class DeletingFilesForm : public QDialog, public DeletingFilesView {
    Q_OBJECT
public:
    explicit DeletingFilesForm(QWidget* parent = nullptr);
    ~DeletingFilesForm() override;

    // The window's texts from the UI strings in force.
    void applyTexts(const std::vector<std::string>& uiStrings, const std::string& charsetName);

    void setInteractive(bool interactive) override;
    void showWindow() override;
    void appendLine(const std::string& line) override;
    void setSearching(bool searching) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QPlainTextEdit* hits_ = nullptr;
    QLabel* quitLabel_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool searching_ = false;
};

}  // namespace orvo
