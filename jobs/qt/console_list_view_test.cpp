// The output list over a bounded output, offscreen: the rows a view builds
// from the model's signals alone stay the output's lines while lines drop at
// the top, and the scroll position stays where the user left it.
#include "jobs/qt/console_list_view.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScrollBar>
#include <QStringList>
#include <string>

#include "jobs/console_output.h"
#include "jobs/console_shown_line.h"
#include "jobs/qt/console_lines_model.h"

namespace orvo {
namespace {

constexpr std::size_t kBound = 4096;
constexpr int kRowsInView = 10;

class ConsoleListViewTest : public testing::Test {
protected:
    ConsoleListViewTest() {
        view.setModel(&model);
        view.resize(400, kRowsInView * view.rowHeight() + 2 * view.frameWidth());
        view.show();
        // A copy of the rows kept only from what the model signals, as a view does.
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, [this](const QModelIndex&, int first, int last) {
            if (first < 0 || first > signalled.size()) return misfit("inserted", first);
            for (int row = first; row <= last; ++row) signalled.insert(row, textAt(row));
        });
        QObject::connect(&model, &QAbstractItemModel::rowsRemoved, [this](const QModelIndex&, int first, int last) {
            if (first < 0 || last >= signalled.size()) return misfit("removed", last);
            signalled.remove(first, last - first + 1);
        });
        QObject::connect(&model, &QAbstractItemModel::dataChanged, [this](const QModelIndex& from, const QModelIndex& to) {
            if (from.row() < 0 || to.row() >= signalled.size()) return misfit("changed", to.row());
            for (int row = from.row(); row <= to.row(); ++row) signalled[row] = textAt(row);
        });
        QObject::connect(&model, &QAbstractItemModel::modelReset, [this] {
            signalled.clear();
            for (int row = 0; row < model.rowCount(); ++row) signalled << textAt(row);
        });
    }

    void misfit(const char* what, int row) {
        ADD_FAILURE() << "row " << row << " " << what << " of " << signalled.size();
        signalled << "(misfit)";
    }
    QString textAt(int row) const { return model.index(row).data().toString(); }
    void append(int lines) {
        for (int i = 0; i < lines; ++i) output.appendLine("line " + std::to_string(written++));
    }
    void catchUp() {
        model.catchUp();
        QCoreApplication::processEvents();
    }
    QStringList outputLines() const {
        QStringList lines;
        for (std::size_t i = 0; i < output.lineCount(); ++i) {
            std::string shown = shownText(output.line(i));
            lines << QString::fromUtf8(shown.data(), qsizetype(shown.size()));
        }
        return lines;
    }
    QString topText() const { return view.indexAt(QPoint(5, 1)).data().toString(); }
    bool lastRowInView() const {
        QRect row = view.visualRect(model.index(model.rowCount() - 1));
        return row.top() >= 0 && row.bottom() < view.viewport()->height();
    }
    bool atEnd() const { return view.verticalScrollBar()->value() == view.verticalScrollBar()->maximum(); }
    // Whether the line numbered `number` is still kept.
    bool kept(int number) const { return std::uint64_t(number) >= output.droppedLines(); }

    ConsoleOutput output {kBound};
    ConsoleLinesModel model {output};
    ConsoleListView view;
    QStringList signalled;
    int written = 0;
};

TEST_F(ConsoleListViewTest, RowsStayTheOutputsLinesAndAListAtItsEndStaysThere) {
    // Batches of different sizes: some drop nothing, some several blocks.
    const int batches[] = {3, 40, 150, 7, 1, 400, 90, 2, 250};
    for (int lines : batches) {
        append(lines);
        catchUp();
        ASSERT_EQ(signalled, outputLines()) << "after " << written << " lines";
        EXPECT_EQ(model.rowCount(), int(output.lineCount()));
        EXPECT_TRUE(atEnd()) << written;
        EXPECT_TRUE(lastRowInView()) << written;
        EXPECT_EQ(signalled.back(), QString("line %1").arg(written - 1));
        EXPECT_EQ(topText(), outputLines().value(view.topRow()));
    }
    EXPECT_GT(output.droppedLines(), 0u);
    EXPECT_TRUE(signalled.front().contains("earlier lines dropped"));
}

TEST_F(ConsoleListViewTest, AListScrolledUpKeepsShowingItsLinesWhileOlderOnesDrop) {
    struct Case {
        const char* name;
        int before;  // lines written before scrolling up
        int fromEnd;  // how far up the list is scrolled
    };
    const Case cases[] = {
        {"before the first drop", 150, 30},
        {"after drops", 600, 40},
    };
    for (const Case& c : cases) {
        output.clear();
        written = 0;
        append(c.before);
        catchUp();
        QScrollBar* scrollBar = view.verticalScrollBar();
        scrollBar->setValue(scrollBar->maximum() - c.fromEnd);
        QString top = topText();
        int topLine = top.mid(5).toInt();
        int dropsSeen = 0;
        while (kept(topLine)) {
            std::uint64_t dropped = output.droppedLines();
            append(9);
            catchUp();
            ASSERT_EQ(signalled, outputLines()) << c.name;
            if (!kept(topLine)) break;
            if (output.droppedLines() != dropped) ++dropsSeen;
            ASSERT_EQ(topText(), top) << c.name << " after " << written << " lines";
            EXPECT_FALSE(atEnd()) << c.name;
        }
        EXPECT_GE(dropsSeen, 2) << c.name;
        // The line at the top went: the oldest kept line is there now.
        EXPECT_EQ(view.topRow(), 1) << c.name;
        EXPECT_EQ(topText(), outputLines().value(1)) << c.name;
    }
}

TEST_F(ConsoleListViewTest, AClearedListStartsEmptyWithoutItsCountLine) {
    append(600);
    catchUp();
    ASSERT_GT(output.droppedLines(), 0u);
    output.clear();
    // Until the catch-up the old rows show nothing of the new list.
    output.appendLine("new");
    EXPECT_EQ(textAt(0), QString());
    catchUp();
    EXPECT_EQ(signalled, QStringList {"new"});
    EXPECT_TRUE(atEnd());
}

// The output changed, the rows did not yet: each row still shows the line it
// was made for, or nothing once that line is gone.
TEST_F(ConsoleListViewTest, RowsShowTheirOwnLinesUntilTheCatchUp) {
    append(100);
    catchUp();
    QStringList before = signalled;
    append(300);
    ASSERT_GT(output.droppedLines(), 0u);
    for (int row = 0; row < model.rowCount(); ++row) {
        int number = before[row].mid(5).toInt();
        EXPECT_EQ(textAt(row), kept(number) ? before[row] : QString()) << row;
    }
}

}  // namespace
}  // namespace orvo
