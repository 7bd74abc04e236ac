#pragma once
// The console's output list: a view of rows of equal height over the
// console's lines model. Adding rows costs nothing but a new scroll range,
// and painting touches only the visible columns of the visible rows, so
// millions of lines and lines of any length stay responsive. (QListView lays
// out every row again on each insertion.) Rows removed or inserted above the
// top keep the rows in view where they are; a list showing its end keeps
// showing it.
#include <QAbstractItemView>

namespace orvo {

class ConsoleLinesModel;

class ConsoleListView : public QAbstractItemView {
    Q_OBJECT
public:
    explicit ConsoleListView(QWidget* parent = nullptr);

    // The widest line in characters, for the horizontal scroll range.
    void setLongestLine(std::size_t characters);
    int rowHeight() const;
    // The first row shown at the top.
    int topRow() const;

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    // Only a ConsoleLinesModel is drawn.
    void setModel(QAbstractItemModel* model) override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void reset() override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int rowCount() const;
    int visibleRows() const;
    int columnWidth() const;
    bool showsEnd() const;
    void rowsRemoved();

    ConsoleLinesModel* lines_ = nullptr;
    QMetaObject::Connection removals_;
    std::size_t longestLine_ = 0;
};

}  // namespace orvo
