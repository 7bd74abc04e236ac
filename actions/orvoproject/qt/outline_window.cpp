#include "actions/orvoproject/qt/outline_window.h"

#include <algorithm>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "actions/orvoproject/outliner.h"

namespace orvo {
namespace {

constexpr int kEntryRole = Qt::UserRole;
enum Column { EntryColumn, MarkColumn, FileColumn, LineColumn, ColumnCount };

QString qs(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

OutlineWindow::OutlineWindow(Outliner& outliner, QWidget* parent)
    : QWidget(parent),
      outliner_(outliner),
      notes_(new QLabel(this)),
      tree_(new QTreeWidget(this)),
      status_(new QLabel(this)),
      open_(new QPushButton(this)) {
    auto text = [&outliner](OutlinerText id) { return qs(outliner.text(id)); };
    setWindowTitle(qs(outliner.windowTitle()));
    resize(640, 480);

    QStringList notes;
    for (const std::string& note : outliner.notes()) notes << qs(note);
    notes_->setObjectName("notes");
    notes_->setText(notes.join('\n'));
    notes_->setWordWrap(true);
    notes_->setTextFormat(Qt::PlainText);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notes_->setAccessibleName(text(OutlinerText::MessagesName));

    tree_->setObjectName("outline");
    tree_->setAccessibleName(text(OutlinerText::TreeName));
    tree_->setColumnCount(ColumnCount);
    tree_->setHeaderLabels({text(OutlinerText::ColumnEntry), text(OutlinerText::ColumnMark),
                            text(OutlinerText::ColumnFile), text(OutlinerText::ColumnLine)});
    // A double click opens the entry; the branches have their own arrows.
    tree_->setExpandsOnDoubleClick(false);
    tree_->setUniformRowHeights(true);
    fillTree();
    // Enter and a double click (a single click where the desktop opens items so).
    connect(tree_, &QTreeWidget::activated, this, [this](const QModelIndex& index) {
        if (QTreeWidgetItem* item = tree_->itemFromIndex(index)) openEntry(item->data(EntryColumn, kEntryRole).toInt());
    });

    status_->setObjectName("status");
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setAccessibleName(text(OutlinerText::MessagesName));

    open_->setObjectName("open");
    open_->setText(text(OutlinerText::OpenButton));
    open_->setEnabled(tree_->topLevelItemCount() > 0);
    connect(open_, &QPushButton::clicked, this, &OutlineWindow::openCurrent);
    auto* close = new QPushButton(text(OutlinerText::CloseButton), this);
    close->setObjectName("close");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(open_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notes_);
    layout->addWidget(tree_, 1);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    setTabOrder(tree_, open_);
    setTabOrder(open_, close);
    tree_->setFocus();
}

void OutlineWindow::fillTree() {
    const std::vector<OutlineRow>& rows = outliner_.rows();
    std::vector<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const OutlineRow& row = rows[i];
        QStringList columns {qs(row.entry), qs(row.mark), qs(row.file), qs(row.line)};
        QTreeWidgetItem* item = row.parent >= 0 ? new QTreeWidgetItem(items[std::size_t(row.parent)], columns)
                                                : new QTreeWidgetItem(tree_, columns);
        item->setData(EntryColumn, kEntryRole, int(i));
        item->setTextAlignment(LineColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (row.problem) item->setIcon(EntryColumn, warning);
        items.push_back(item);
    }
    tree_->expandAll();
    for (int column = 0; column < ColumnCount; ++column) tree_->resizeColumnToContents(column);
    // The titles take the room that is left, the line numbers stay beside the file.
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(EntryColumn, QHeaderView::Stretch);
    if (!items.empty()) tree_->setCurrentItem(items.front());
}

void OutlineWindow::openEntry(int entry) {
    OpenOutcome outcome = outliner_.open(std::size_t(entry));
    status_->setText(qs(outcome.message));
}

void OutlineWindow::openCurrent() {
    if (QTreeWidgetItem* item = tree_->currentItem()) openEntry(item->data(EntryColumn, kEntryRole).toInt());
}

void OutlineWindow::place() {
    if (!outliner_.left() || !outliner_.top()) return;
    QPoint corner(*outliner_.left(), *outliner_.top());
    QScreen* screen = QGuiApplication::screenAt(corner);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
        // A corner off every screen (a screen since removed) comes back onto one.
        QRect area = screen->availableGeometry();
        corner.setX(std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() - width() + 1)));
        corner.setY(std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() - height() + 1)));
    }
    move(corner);
}

}  // namespace orvo
