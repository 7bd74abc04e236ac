#pragma once
// "Run" (TForm15): a line to open, with Browse, OK and Cancel.
#include "dialogs/qt/utility_dialog_form.h"
#include "dialogs/run_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvo {

class RunForm : public UtilityDialogForm {
    Q_OBJECT
public:
    RunForm(DialogContext& context, QWidget* parent);
    void applyTexts() override;

private:
    void openLine();
    void browse();

    RunDialog run_;
    QLabel* intro_ = nullptr;
    QLabel* caption_ = nullptr;
    QLineEdit* line_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* browse_ = nullptr;
};

}  // namespace orvo
