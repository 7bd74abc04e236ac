#pragma once
// The console's output list as seen by a list view. The view is told about
// new lines in batches (catchUp), not once per line, so a job writing
// millions of lines does not flood it with row insertions. Lines the bounded
// output dropped at the top leave as removed rows below its count line.
#include <QAbstractListModel>
#include <cstdint>
#include <optional>

#include "jobs/console_output.h"

namespace orvo {

class ConsoleLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ConsoleLinesModel(const ConsoleOutput& output, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The shown text of a line: a long line cut, with its marker.
    QVariant data(const QModelIndex& index, int role) const override;
    // Columns [first, first + count) of a row's shown text, for drawing.
    QString columns(int row, std::size_t first, std::size_t count) const;

    // Brings the rows in line with the output: a cleared list resets the
    // model, dropped lines are removed, new lines are inserted in one go, and
    // the last known line is refreshed because a partial line may have grown.
    void catchUp();

private:
    std::optional<std::size_t> lineAt(int row) const;
    void removeDroppedRows();

    const ConsoleOutput& output_;
    int rows_ = 0;
    std::uint64_t generation_ = 0;
    // Whether row 0 is the output's count line, and which of all the lines
    // the job wrote the first row below it is. Rows map to the lines they
    // were made for until the next catch-up, however the output changed.
    bool countRow_ = false;
    std::uint64_t firstLine_ = 0;
};

}  // namespace orvo
