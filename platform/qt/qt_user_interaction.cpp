#include "platform/qt/qt_user_interaction.h"

#include "platform/qt/file_dialog_filters.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <cstdio>

namespace orvo {
namespace {

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information: return QMessageBox::Information;
        case MessageKind::Warning: return QMessageBox::Warning;
        case MessageKind::Error: return QMessageBox::Critical;
        case MessageKind::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return QMessageBox::Ok;
        case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::AbortRetry: return QMessageBox::Abort | QMessageBox::Retry;
        case MessageButtons::YesNoAbort: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Abort;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(int button, MessageButtons buttons) {
    switch (button) {
        case QMessageBox::Ok: return MessageAnswer::Ok;
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Abort: return MessageAnswer::Abort;
        case QMessageBox::Retry: return MessageAnswer::Retry;
        default: break;
    }
    // Closed without a button (Escape, or ended by the shut-down): the safe answer.
    switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::AbortRetry:
        case MessageButtons::YesNoAbort: return MessageAnswer::Abort;
    }
    return MessageAnswer::Cancel;
}

}  // namespace

void QtUserInteraction::logFailure(const std::string& text) {
    std::fprintf(stderr, "orvo: %s\n", text.c_str());
    std::fflush(stderr);
}

MessageAnswer QtUserInteraction::showMessage(const Message& message) {
    if (ending_) return answerOf(QMessageBox::NoButton, message.buttons);
    QMessageBox box(iconOf(message.kind), QGuiApplication::applicationDisplayName(),
                    QString::fromStdString(message.text), buttonsOf(message.buttons), mainWindow_);
    box.setObjectName("OrvoMessageBox");
    box.adjustSize();
    QPoint centre;
    if (message.placement != MessagePlacement::ScreenCentre && mainWindow_) {
        centre = mainWindow_->frameGeometry().center();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        centre = screen->availableGeometry().center();
    }
    if (message.placement == MessagePlacement::CornerAtMainWindowCorner && mainWindow_)
        box.move(mainWindow_->frameGeometry().topLeft());
    else if (message.placement == MessagePlacement::CornerAtMainWindowCentre) box.move(centre);
    else box.move(centre - QPoint(box.width() / 2, box.height() / 2));

    if (aroundModal_) aroundModal_(true);
    int button = box.exec();
    if (aroundModal_) aroundModal_(false);
    return answerOf(button, message.buttons);
}

std::optional<std::string> QtUserInteraction::chooseFile(const FileDialogRequest& request) {
    if (ending_) return std::nullopt;
    QFileDialog dialog(mainWindow_, QString::fromStdString(request.title), QString::fromStdString(request.startFolder));
    dialog.setObjectName("OrvoFileDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    bool save = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const std::string& entry : qtNameFilters(request.filter)) filters << QString::fromStdString(entry);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));

    if (aroundModal_) aroundModal_(true);
    bool accepted = dialog.exec() == QDialog::Accepted;
    if (aroundModal_) aroundModal_(false);
    if (!accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace orvo
