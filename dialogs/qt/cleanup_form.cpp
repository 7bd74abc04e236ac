#include "dialogs/qt/cleanup_form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "actions/qt/action_control_filter.h"
#include "core/qt/qt_text_target.h"

namespace orvo {
namespace {

bool isLeftPress(QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) return false;
    return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

CleanupForm::CleanupForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm9");
    setModal(false);
    setWindowTitle("Clean up files");
    auto* layout = new QVBoxLayout(this);

    masks_ = new QListWidget(this);
    masks_->setObjectName("CheckListBox1");
    masks_->setAccessibleName("File masks");
    masks_->viewport()->installEventFilter(this);
    masks_->installEventFilter(this);
    layout->addWidget(masks_, 1);
    // A change of tick that did not come from the logic (an assistive
    // tool's toggle) goes to the logic as a toggle.
    connect(masks_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        int row = masks_->row(item);
        if (showing_ || !logic_ || row < 0 || std::size_t(row) >= logic_->ticks().size()) return;
        if ((item->checkState() == Qt::Checked) != logic_->ticks()[row]) toggle(row);
    });

    auto* folderRow = new QHBoxLayout;
    folder_ = new QLineEdit(this);
    folder_->setObjectName("Edit1");
    folder_->setReadOnly(true);
    folder_->setAccessibleName("Folder");
    // As every field that shows a choice: a click or any key but the
    // navigation keys asks for another folder.
    auto* fieldFilter = new ActionControlFilter(this, [this](QWidget*, ButtonRole, MenuAnchor) {
        if (logic_) logic_->changeFolder();
    });
    fieldFilter->addField(folder_);
    folderRow->addWidget(folder_, 1);
    changeFolder_ = new QPushButton("&Change folder", this);
    changeFolder_->setObjectName("Button1");
    changeFolder_->setToolTip("Change folder");
    changeFolder_->setAutoDefault(false);
    folderRow->addWidget(changeFolder_);
    layout->addLayout(folderRow);

    deeper_ = new QCheckBox("Clean up &deeper folders too", this);
    deeper_->setObjectName("CheckBox1");
    layout->addWidget(deeper_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("Button2");
    ok_->setToolTip("Start cleaning up");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("Button3");
    cancel_->setToolTip("Stop cleaning up");
    cancel_->setAutoDefault(false);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    setTabOrder(masks_, folder_);
    setTabOrder(folder_, changeFolder_);
    setTabOrder(changeFolder_, deeper_);
    setTabOrder(deeper_, ok_);
    setTabOrder(ok_, cancel_);

    connect(changeFolder_, &QPushButton::clicked, this, [this] {
        if (logic_) logic_->changeFolder();
    });
    connect(deeper_, &QCheckBox::toggled, this, [this](bool on) {
        if (logic_ && !showing_) logic_->setDeeperFolders(on);
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (logic_) logic_->ok();
    });
    connect(cancel_, &QPushButton::clicked, this, &CleanupForm::reject);
    resize(360, 380);
}

void CleanupForm::applyTexts(const std::vector<std::string>& uiStrings, const std::string& charsetName) {
    applyCurrentTexts(this, uiStrings, charsetName);
    setAccessibleName(windowTitle());
}

void CleanupForm::showMasks(const std::vector<std::string>& masks) {
    showing_ = true;
    masks_->clear();
    for (const std::string& mask : masks) {
        auto* item = new QListWidgetItem(QString::fromStdString(mask), masks_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    if (masks_->count() > 0) masks_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    showing_ = false;
}

void CleanupForm::showTick(std::size_t entry, bool ticked) {
    if (QListWidgetItem* item = masks_->item(int(entry))) {
        showing_ = true;
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        showing_ = false;
    }
}

void CleanupForm::showFolder(const std::string& folder) { folder_->setText(QString::fromStdString(folder)); }

void CleanupForm::showDeeperFolders(bool deeper) {
    showing_ = true;
    deeper_->setChecked(deeper);
    showing_ = false;
}

void CleanupForm::closeWindow() { QDialog::reject(); }

void CleanupForm::reject() {
    if (logic_) logic_->cancel();
    else QDialog::reject();
}

void CleanupForm::toggle(int row) {
    if (!logic_ || row < 0 || row >= masks_->count()) return;
    masks_->setCurrentRow(row);
    logic_->toggle(std::size_t(row));
}

// The list's own toggling (a release on the box, Space) is replaced by the
// logic's: every press on an entry toggles it, wherever on the entry.
bool CleanupForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == masks_->viewport()) {
        if (isLeftPress(event)) {
            QListWidgetItem* item = masks_->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (item) toggle(masks_->row(item));
            return item != nullptr;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            return masks_->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()) != nullptr;
        }
    } else if (watched == masks_ && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
            toggle(masks_->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orvo
