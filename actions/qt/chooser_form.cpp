#include "actions/qt/chooser_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace orvo {
namespace {

// The pictures of the purposes, standing in for the main window's image list.
QIcon iconOf(int icon) {
    QStyle* style = QApplication::style();
    switch (icon) {
        case 3: return style->standardIcon(QStyle::SP_ComputerIcon);           // utility
        case 4: return style->standardIcon(QStyle::SP_FileDialogContentsView);  // spelling language
        case 5: return style->standardIcon(QStyle::SP_FileDialogDetailedView);  // BibTeX editor
        case 8: return style->standardIcon(QStyle::SP_DriveHDIcon);            // printer type
        case 9: return style->standardIcon(QStyle::SP_FileIcon);               // format
        case 10: return style->standardIcon(QStyle::SP_DesktopIcon);           // previewer
        case 11: return style->standardIcon(QStyle::SP_DriveNetIcon);          // print destination
        default: return style->standardIcon(QStyle::SP_FileIcon);
    }
}

}  // namespace

ChooserForm::ChooserForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm2");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    list_ = new QListWidget(this);
    list_->setObjectName("ListView1");
    list_->setUniformItemSizes(true);
    list_->installEventFilter(this);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { chooseItem(list_->row(item)); });
}

void ChooserForm::chooseItem(int row) {
    if (row < 0 || row >= list_->count()) return;
    chosen_ = row;
    accept();
}

bool ChooserForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            if (QListWidgetItem* item = list_->currentItem()) chooseItem(list_->row(item));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

ChooserResult ChooserForm::choose(const ChooserRequest& request) {
    setWindowTitle(QString::fromStdString(request.caption));
    setAccessibleName(windowTitle());
    list_->setAccessibleName(windowTitle());
    if (request.fontSize > 0) {
        QFont font(QString::fromStdString(request.fontFamily));
        font.setPointSize(request.fontSize);
        setFont(font);
    }
    list_->clear();
    QIcon icon = iconOf(request.icon);
    for (const std::string& text : request.items) new QListWidgetItem(icon, QString::fromStdString(text), list_);
    list_->setCurrentRow(list_->count() > 0 ? 0 : -1, QItemSelectionModel::NoUpdate);
    if (request.width > 0 && request.height > 0) resize(request.width, request.height);
    move(request.x, request.y);
    list_->setFocus();
    chosen_ = -1;
    exec();
    ChooserResult result;
    if (chosen_ >= 0) result.chosen = chosen_;
    result.width = width();
    result.height = height();
    return result;
}

}  // namespace orvo
