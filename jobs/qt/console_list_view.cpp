#include "jobs/qt/console_list_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "jobs/qt/console_lines_model.h"

namespace orvo {
namespace {

constexpr int kTextMargin = 2;

}  // namespace

ConsoleListView::ConsoleListView(QWidget* parent) : QAbstractItemView(parent) {
    setSelectionMode(NoSelection);
    setEditTriggers(NoEditTriggers);
    // One scroll step is one row, so the range stays small for any number of lines.
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
}

void ConsoleListView::setLongestLine(std::size_t characters) {
    if (characters == longestLine_) return;
    longestLine_ = characters;
    updateGeometries();
}

int ConsoleListView::rowHeight() const { return std::max(1, fontMetrics().lineSpacing()); }

int ConsoleListView::topRow() const { return verticalScrollBar()->value(); }

int ConsoleListView::rowCount() const { return model() ? model()->rowCount(rootIndex()) : 0; }

int ConsoleListView::visibleRows() const { return std::max(1, viewport()->height() / rowHeight()); }

// One column of the scroll range: the console's font is meant to be a
// fixed-pitch one (a family that is not installed is replaced by one), whose
// characters are all as wide as M.
int ConsoleListView::columnWidth() const { return std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('M'))); }

bool ConsoleListView::showsEnd() const { return verticalScrollBar()->value() == verticalScrollBar()->maximum(); }

void ConsoleListView::setModel(QAbstractItemModel* model) {
    disconnect(removals_);
    QAbstractItemView::setModel(model);
    lines_ = qobject_cast<ConsoleLinesModel*>(model);
    // The base view does not lay out again after a removal.
    if (model) removals_ = connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { rowsRemoved(); });
}

QRect ConsoleListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid()) return {};
    return {-horizontalOffset(), (index.row() - topRow()) * rowHeight(), viewport()->width() + horizontalOffset(),
            rowHeight()};
}

void ConsoleListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid()) return;
    int row = index.row();
    int top = topRow();
    int rows = visibleRows();
    switch (hint) {
        case PositionAtTop: top = row; break;
        case PositionAtBottom: top = row - rows + 1; break;
        case PositionAtCenter: top = row - rows / 2; break;
        case EnsureVisible:
            if (row < top) top = row;
            else if (row >= top + rows) top = row - rows + 1;
            break;
    }
    verticalScrollBar()->setValue(top);
}

QModelIndex ConsoleListView::indexAt(const QPoint& point) const {
    if (point.y() < 0) return {};
    int row = topRow() + point.y() / rowHeight();
    return row < rowCount() ? model()->index(row, 0, rootIndex()) : QModelIndex();
}

QModelIndex ConsoleListView::moveCursor(CursorAction, Qt::KeyboardModifiers) { return {}; }

int ConsoleListView::horizontalOffset() const { return horizontalScrollBar()->value(); }

int ConsoleListView::verticalOffset() const { return topRow() * rowHeight(); }

bool ConsoleListView::isIndexHidden(const QModelIndex&) const { return false; }

void ConsoleListView::setSelection(const QRect&, QItemSelectionModel::SelectionFlags) {}

QRegion ConsoleListView::visualRegionForSelection(const QItemSelection&) const { return {}; }

void ConsoleListView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().base());
    if (!lines_) return;
    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(font());
    int height = rowHeight();
    int ascent = fontMetrics().ascent();
    int first = topRow() + event->rect().top() / height;
    int last = std::min(rowCount() - 1, topRow() + event->rect().bottom() / height);
    // The columns in view, from the first one that shows at the left edge;
    // as many as the view has pixels, since no character is narrower.
    int width = columnWidth();
    int offset = horizontalOffset();
    int firstColumn = std::max(0, offset - kTextMargin) / width;
    int columns = viewport()->width() + 2;
    int x = kTextMargin + firstColumn * width - offset;
    for (int row = first; row <= last; ++row) {
        QString text = lines_->columns(row, std::size_t(firstColumn), std::size_t(columns));
        painter.drawText(x, (row - topRow()) * height + ascent, text);
    }
}

void ConsoleListView::updateGeometries() {
    int rows = visibleRows();
    QScrollBar* vertical = verticalScrollBar();
    // A list showing its end keeps showing it when rows come or go or the view shrinks.
    bool atEnd = showsEnd();
    vertical->setSingleStep(1);
    vertical->setPageStep(rows);
    vertical->setRange(0, std::max(0, rowCount() - rows));
    if (atEnd) vertical->setValue(vertical->maximum());
    int width = int(std::min<std::size_t>(longestLine_, 1 << 20)) * columnWidth();
    horizontalScrollBar()->setSingleStep(columnWidth());
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, width + 2 * kTextMargin - viewport()->width()));
    QAbstractItemView::updateGeometries();
}

void ConsoleListView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    bool atEnd = showsEnd();
    int top = topRow();
    updateGeometries();
    if (!atEnd && start <= top) verticalScrollBar()->setValue(top + end - start + 1);
    viewport()->update();
}

// Rows going above the top take the top row up with them; a top row that
// goes itself leaves the first row after the gone ones at the top.
void ConsoleListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    int top = topRow();
    if (!showsEnd() && start < top) verticalScrollBar()->setValue(top - (std::min(end + 1, top) - start));
}

void ConsoleListView::rowsRemoved() {
    updateGeometries();
    viewport()->update();
}

void ConsoleListView::reset() {
    QAbstractItemView::reset();
    updateGeometries();
    viewport()->update();
}

void ConsoleListView::scrollContentsBy(int, int) { viewport()->update(); }

}  // namespace orvo
