#include "dialogs/qt/deleting_files_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/qt/qt_text_target.h"

namespace orvo {

DeletingFilesForm::DeletingFilesForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm18");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle("Deleting files");
    auto* layout = new QVBoxLayout(this);
    quitLabel_ = new QLabel("Quiting Orvo and cleaning up ", this);
    quitLabel_->setObjectName("Label1");
    QFont bold = quitLabel_->font();
    bold.setBold(true);
    quitLabel_->setFont(bold);
    layout->addWidget(quitLabel_);
    hits_ = new QPlainTextEdit(this);
    hits_->setObjectName("Memo1");
    hits_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(hits_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("Button1");
    ok_->setToolTip("Close this window");
    ok_->setDefault(true);
    buttons->addWidget(ok_);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &QWidget::close);
    setTabOrder(hits_, ok_);
    applyTexts({}, {});
    resize(480, 320);
}

DeletingFilesForm::~DeletingFilesForm() { setSearching(false); }

void DeletingFilesForm::applyTexts(const std::vector<std::string>& uiStrings, const std::string& charsetName) {
    if (!uiStrings.empty()) applyCurrentTexts(this, uiStrings, charsetName);
    setAccessibleName(windowTitle());
    hits_->setAccessibleName(windowTitle());
}

void DeletingFilesForm::setInteractive(bool interactive) {
    ok_->setVisible(interactive);
    quitLabel_->setVisible(!interactive);
}

void DeletingFilesForm::showWindow() {
    show();
    raise();
}

void DeletingFilesForm::appendLine(const std::string& line) { hits_->appendPlainText(QString::fromStdString(line)); }

void DeletingFilesForm::setSearching(bool searching) {
    if (searching == searching_) return;
    searching_ = searching;
    ok_->setEnabled(!searching);
    if (searching) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

// The engine writes into the window until its search ends.
void DeletingFilesForm::closeEvent(QCloseEvent* event) {
    if (searching_) event->ignore();
    else QDialog::closeEvent(event);
}

// Escape closes the window as "OK" does, which destroys it.
void DeletingFilesForm::reject() {
    if (searching_) return;
    QDialog::reject();
    close();
}

}  // namespace orvo
