#pragma once
// The window every utility dialog is: shown without blocking the main window,
// placed and sized by its frame when it opens, the open dialog while it is
// active, its size kept when it closes; its texts come from the UI-string
// file, at creation and at every new interface language.
#include <QDialog>
#include <QPointer>

#include "dialogs/dialog_frame.h"
#include "dialogs/utility_dialog_set.h"

namespace orvo {

class UtilityDialogForm : public QDialog {
    Q_OBJECT
public:
    UtilityDialogForm(DialogContext& context, DialogDesign design, bool kept, QWidget* parent);

    // The texts of the interface language in force.
    virtual void applyTexts() = 0;

    void done(int result) override;

protected:
    // Line `line` of the UI-string file, or `fallback` when the file has none.
    QString uiText(int line, const char* fallback) const;
    DialogContext& context() { return frame_.context(); }

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    DialogFrame frame_;
    bool shown_ = false;  // between opening and closing
};

// A form as the dialog set drives it; the form goes when the set lets it go.
class FormWindow : public UtilityWindow {
public:
    explicit FormWindow(UtilityDialogForm* form) : form_(form) {}
    ~FormWindow() override;
    void showWindow() override;
    void applyTexts() override;

private:
    QPointer<UtilityDialogForm> form_;
};

}  // namespace orvo
