#include "dialogs/qt/utility_dialog_form.h"

#include <QEvent>
#include <QShowEvent>

#include "core/workbench.h"

namespace orvo {

UtilityDialogForm::UtilityDialogForm(DialogContext& context, DialogDesign design, bool kept, QWidget* parent)
    : QDialog(parent), frame_(context, design, kept) {
    setModal(false);
    setObjectName(QStringLiteral("TForm%1").arg(design.number));
}

QString UtilityDialogForm::uiText(int line, const char* fallback) const {
    const std::vector<std::string>& lines = frame_.context().workbench.uiStrings;
    if (line >= 0 && line < int(lines.size())) {
        QString text = QString::fromStdString(lines[std::size_t(line)]).trimmed();
        if (!text.isEmpty()) return text;
    }
    return QString::fromUtf8(fallback);
}

void UtilityDialogForm::showEvent(QShowEvent* event) {
    if (!shown_ && !event->spontaneous()) {
        shown_ = true;
        const DialogGeometry at = frame_.opening();
        resize(at.width, at.height);
        move(at.x, at.y);
    }
    QDialog::showEvent(event);
}

void UtilityDialogForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) frame_.activated();
    QDialog::changeEvent(event);
}

void UtilityDialogForm::done(int result) {
    if (shown_) {
        shown_ = false;
        frame_.closing(width(), height());
    }
    QDialog::done(result);
}

FormWindow::~FormWindow() {
    if (form_) form_->deleteLater();
}

void FormWindow::showWindow() {
    if (!form_) return;
    form_->show();
    form_->raise();
    form_->activateWindow();
}

void FormWindow::applyTexts() {
    if (form_) form_->applyTexts();
}

}  // namespace orvo
