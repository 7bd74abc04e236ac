#include "jobs/qt/console_lines_model.h"

#include <algorithm>
#include <climits>
#include <string>

#include "jobs/console_shown_line.h"

namespace orvo {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

int rowsOf(const ConsoleOutput& output) { return int(std::min<std::size_t>(output.lineCount(), INT_MAX)); }

}  // namespace

ConsoleLinesModel::ConsoleLinesModel(const ConsoleOutput& output, QObject* parent)
    : QAbstractListModel(parent), output_(output), generation_(output.generation()) {}

int ConsoleLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

// The output's index of the line a row was made for; none once the output
// has dropped it or was emptied.
std::optional<std::size_t> ConsoleLinesModel::lineAt(int row) const {
    if (row < 0 || row >= rows_ || output_.generation() != generation_) return std::nullopt;
    if (countRow_ && row == 0) return 0;
    std::uint64_t line = firstLine_ + std::uint64_t(row - (countRow_ ? 1 : 0));
    std::uint64_t dropped = output_.droppedLines();
    if (line < dropped) return std::nullopt;
    std::size_t index = std::size_t(line - dropped) + (dropped > 0 ? 1 : 0);
    if (index >= output_.lineCount()) return std::nullopt;
    return index;
}

QVariant ConsoleLinesModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    std::optional<std::size_t> line = lineAt(index.row());
    if (!line) return {};
    return fromUtf8(shownText(output_.line(*line)));
}

QString ConsoleLinesModel::columns(int row, std::size_t first, std::size_t count) const {
    std::optional<std::size_t> line = lineAt(row);
    if (!line) return {};
    return fromUtf8(shownColumns(output_.line(*line), first, count));
}

void ConsoleLinesModel::catchUp() {
    if (output_.generation() != generation_) {
        beginResetModel();
        generation_ = output_.generation();
        countRow_ = output_.droppedLines() > 0;
        firstLine_ = output_.droppedLines();
        rows_ = rowsOf(output_);
        endResetModel();
        return;
    }
    removeDroppedRows();
    int lines = rowsOf(output_);
    if (rows_ > 0) emit dataChanged(index(rows_ - 1), index(rows_ - 1), {Qt::DisplayRole});
    if (lines > rows_) {
        beginInsertRows(QModelIndex(), rows_, lines - 1);
        rows_ = lines;
        endInsertRows();
    }
}

// The rows of the lines dropped since the last catch-up go, as far as they
// were rows; the count line comes as row 0 with the first drop and changes
// its text with every further one.
void ConsoleLinesModel::removeDroppedRows() {
    std::uint64_t dropped = output_.droppedLines();
    if (dropped == firstLine_) return;
    int first = countRow_ ? 1 : 0;
    int gone = int(std::min<std::uint64_t>(dropped - firstLine_, std::uint64_t(rows_ - first)));
    if (gone > 0) beginRemoveRows(QModelIndex(), first, first + gone - 1);
    rows_ -= gone;
    firstLine_ = dropped;
    if (gone > 0) endRemoveRows();
    if (countRow_) {
        emit dataChanged(index(0), index(0), {Qt::DisplayRole});
        return;
    }
    beginInsertRows(QModelIndex(), 0, 0);
    countRow_ = true;
    ++rows_;
    endInsertRows();
}

}  // namespace orvo
