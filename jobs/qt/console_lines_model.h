#pragma once
// The console's output list as seen by a list view. The view is told about
// new lines in batches (catchUp), not once per line, so a job writing
// millions of lines does not flood it with row insertions.
#include <QAbstractListModel>
#include <cstdint>

#include "jobs/console_output.h"

namespace orvo {

class ConsoleLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ConsoleLinesModel(const ConsoleOutput& output, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Brings the rows in line with the output: a cleared list resets the
    // model, new lines are inserted in one go, and the last known line is
    // refreshed because a partial line may have grown.
    void catchUp();

private:
    const ConsoleOutput& output_;
    int rows_ = 0;
    std::uint64_t generation_ = 0;
};

}  // namespace orvo
