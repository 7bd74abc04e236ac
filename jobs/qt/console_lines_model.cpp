#include "jobs/qt/console_lines_model.h"

#include <algorithm>
#include <climits>

namespace orvo {

ConsoleLinesModel::ConsoleLinesModel(const ConsoleOutput& output, QObject* parent)
    : QAbstractListModel(parent), output_(output), generation_(output.generation()) {}

int ConsoleLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant ConsoleLinesModel::data(const QModelIndex& index, int role) const {
    // Between a clear and the next catch-up the view may still ask for rows
    // the output no longer has.
    if (role != Qt::DisplayRole || !index.isValid() || std::size_t(index.row()) >= output_.lineCount()) return {};
    std::string_view line = output_.line(std::size_t(index.row()));
    return QString::fromUtf8(line.data(), qsizetype(line.size()));
}

void ConsoleLinesModel::catchUp() {
    int lines = int(std::min<std::size_t>(output_.lineCount(), INT_MAX));
    if (output_.generation() != generation_ || lines < rows_) {
        beginResetModel();
        generation_ = output_.generation();
        rows_ = lines;
        endResetModel();
        return;
    }
    if (rows_ > 0) emit dataChanged(index(rows_ - 1), index(rows_ - 1), {Qt::DisplayRole});
    if (lines > rows_) {
        beginInsertRows(QModelIndex(), rows_, lines - 1);
        rows_ = lines;
        endInsertRows();
    }
}

}  // namespace orvo
