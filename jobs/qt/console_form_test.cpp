// The console window's wiring, offscreen: its controls, and real jobs run
// through it by the logic, the Linux children and the Qt main thread.
#include "jobs/qt/console_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include "core/utility_dialogs.h"
#include "jobs/qt/console_list_view.h"
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "core/workbench.h"
#include "jobs/console_shown_line.h"
#include "jobs/console_window.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_user_interaction.h"
#include "platform/linux/linux_piped_process.h"
#include "platform/qt/qt_main_thread.h"
#include "tests/event_wait.h"

namespace orvo {
namespace {

class ConsoleFormTest : public testing::Test {
protected:
    ConsoleFormTest() {
        form.attach(console);
        console.ensureCreated();
        console.finishStartup();
    }

    template <typename T>
    T* control(const char* name) {
        T* widget = form.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void run(const std::string& command) {
        console.clearOutput();
        console.setCloseWhenDone(true);
        workbench.jobs.pendingConsoleCommand = command;
        console.appendLine(command);
        console.appendLine("");
        console.appendLine("");
        console.show();
    }
    void type(const QString& text) {
        auto* input = control<QLineEdit>("Edit1");
        input->setText(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QCoreApplication::sendEvent(input, &enter);
    }
    QStringList shownLines() {
        auto* model = control<ConsoleListView>("LB")->model();
        QStringList lines;
        for (int row = 0; row < model->rowCount(); ++row) lines << model->index(row, 0).data().toString();
        return lines;
    }

    Workbench workbench;
    ConsoleForm form;
    LinuxPipedProcessStarter processes;
    QtMainThread mainThread;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    NullUtilityDialogs dialogs;
    ConsoleWindow console {workbench, form, {processes, mainThread, ui, desktop, dialogs}};
};

TEST_F(ConsoleFormTest, HasTheNamedControlsOfTheMessagesWindow) {
    EXPECT_EQ(form.objectName(), "Tform16");
    EXPECT_EQ(form.windowTitle(), "Messages");
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    auto* list = control<ConsoleListView>("LB");
    EXPECT_NE(list->model(), nullptr);
    EXPECT_EQ(control<QWidget>("Panel1")->height(), 38);
    auto* label = control<QLabel>("Label1");
    EXPECT_EQ(label->text(), "Input");
    EXPECT_TRUE(label->font().bold());
    EXPECT_NE(control<QLineEdit>("Edit1"), nullptr);
    EXPECT_EQ(control<QPushButton>("Button1")->text(), "Close");
    EXPECT_EQ(control<QPushButton>("ButtonHalt")->text(), "HALT");
}

TEST_F(ConsoleFormTest, TheOutputListUsesTheRedirectFont) {
    workbench.RedirectFont = "Courier New";
    workbench.RedirectFontSize = 11;
    console.showWithoutJob();
    QFont font = control<ConsoleListView>("LB")->font();
    EXPECT_EQ(font.pointSize(), 11);
    EXPECT_EQ(font.styleHint(), QFont::TypeWriter);
    console.close();
}

TEST_F(ConsoleFormTest, AJobsOutputAppearsAndTheWindowClosesAtItsEnd) {
    workbench.jobs.compileBusy = true;
    run("/bin/sh -c \"printf 'This is TeX\\r\\n\\tok\\n'; printf 'warning\\n' >&2\"");
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(control<QPushButton>("ButtonHalt")->isVisible());
    EXPECT_FALSE(control<QPushButton>("Button1")->isVisible());
    ASSERT_TRUE(test::waitWithEvents([&] { return !form.isVisible(); }));
    EXPECT_FALSE(workbench.jobs.compileBusy);
    ASSERT_TRUE(test::waitWithEvents([&] { return shownLines().size() == 6; }));
    EXPECT_EQ(shownLines().mid(2), (QStringList {"This is TeX", "        ok", "warning", ""}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ConsoleFormTest, TypedInputReachesTheJobAndCtrlDEndsIt) {
    run("/bin/cat");
    type("first answer");
    ASSERT_TRUE(test::waitWithEvents([&] { return shownLines().contains("first answer"); }));
    EXPECT_TRUE(control<QLineEdit>("Edit1")->text().isEmpty());
    auto* input = control<QLineEdit>("Edit1");
    QKeyEvent ctrlD(QEvent::KeyPress, Qt::Key_D, Qt::ControlModifier, QString(QChar(4)));
    QCoreApplication::sendEvent(input, &ctrlD);
    ASSERT_TRUE(test::waitWithEvents([&] { return !console.jobRunning(); }));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ConsoleFormTest, F1AsksForTheConsolesHelpWhereverTheFocusIs) {
    std::vector<int> asked;
    form.onHelp = [&](int context) { asked.push_back(context); };
    console.showWithoutJob();
    for (const char* name : {"Edit1", "Button1"}) {
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QCoreApplication::sendEvent(control<QWidget>(name), &f1);
    }
    EXPECT_EQ(asked, (std::vector<int> {15, 15}));
    EXPECT_TRUE(control<QLineEdit>("Edit1")->text().isEmpty()) << "F1 types nothing";
    console.close();
}

TEST_F(ConsoleFormTest, HaltClosesTheWindowAndStopsTheJob) {
    run("/bin/sleep 30");
    ASSERT_TRUE(console.jobRunning());
    type("halt");
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(console.jobRunning());

    run("/bin/sleep 30");
    control<QPushButton>("ButtonHalt")->click();
    EXPECT_FALSE(console.jobRunning());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ConsoleFormTest, AMillionLinesReachTheListInOneBatchAndItShowsTheEnd) {
    console.showWithoutJob();
    int insertions = 0;
    auto* list = control<ConsoleListView>("LB");
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, [&] { ++insertions; });
    constexpr int kLines = 1000000;
    for (int i = 0; i < kLines; ++i) console.appendLine("line " + std::to_string(i));
    console.appendLine(std::string(300, 'w'));
    EXPECT_EQ(list->model()->rowCount(), 0);  // not yet: one refresh takes them all
    ASSERT_TRUE(test::waitWithEvents([&] { return list->model()->rowCount() == kLines + 1; }));
    EXPECT_EQ(insertions, 1);
    QCoreApplication::processEvents();
    // The last line sits at the bottom of the list.
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    QModelIndex bottom = list->indexAt(QPoint(5, list->viewport()->height() - list->rowHeight()));
    ASSERT_TRUE(bottom.isValid());
    EXPECT_EQ(bottom.row(), kLines);
    EXPECT_EQ(list->indexAt(QPoint(5, 1)).data().toString(),
              QString("line %1").arg(list->topRow()));
    // The longest line can be scrolled to.
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
    console.clearOutput();
    ASSERT_TRUE(test::waitWithEvents([&] { return list->model()->rowCount() == 0; }));
    EXPECT_EQ(list->verticalScrollBar()->maximum(), 0);
    console.close();
}

// A 16 MB line is kept whole, but listed cut with its marker, and the list
// scrolls only as far as the marker.
TEST_F(ConsoleFormTest, AHugeLineIsListedCutAndScrollsOnlyToItsMarker) {
    console.showWithoutJob();
    auto* list = control<ConsoleListView>("LB");
    std::string huge(16u << 20, 'x');
    console.appendLine(huge);
    ASSERT_TRUE(test::waitWithEvents([&] { return list->model()->rowCount() == 1; }));
    EXPECT_EQ(console.output().line(0).size(), huge.size());
    std::string marker = cutLineMarker(huge.size());
    EXPECT_EQ(shownLines(), QStringList {QString(int(kShownLineBytes), 'x') + QString::fromStdString(marker)});
    int column = list->fontMetrics().horizontalAdvance(QLatin1Char('M'));
    // The shown text, its margins at both sides, less the width in view.
    EXPECT_EQ(list->horizontalScrollBar()->maximum() + list->viewport()->width(),
              int(kShownLineBytes + marker.size()) * column + 4);
    console.close();
}

TEST_F(ConsoleFormTest, AModalShowingBlocksOtherWindowsUntilTheJobHasEnded) {
    console.showWithoutJob();  // already up: the modal showing must still be modal
    bool wasModal = false;
    QTimer::singleShot(0, [&] { wasModal = QApplication::activeModalWidget() == &form; });
    console.setCloseWhenDone(true);
    workbench.jobs.pendingConsoleCommand = "/bin/sh -c \"sleep 0.2; echo done\"";
    console.showModal();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.isModal());
    EXPECT_FALSE(console.jobRunning());
}

TEST_F(ConsoleFormTest, AFailedStartIsShownAsAnError) {
    run("/no/such/orvocmd /c X.BTM");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Error creating process : No such file or directory (2)");
    EXPECT_TRUE(form.isVisible());
    type("HALT");
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace orvo

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
