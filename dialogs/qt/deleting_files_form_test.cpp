// The "Deleting files" window offscreen: its two modes, its texts, and that
// it stays while its search runs and is destroyed when closed.
#include "dialogs/qt/deleting_files_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "tests/shipped_data.h"

namespace orvo {
namespace {

template <typename T>
T* control(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void destroyClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

TEST(DeletingFilesForm, ShowsOkWhenAskedForAndTheBoldLabelAtQuit) {
    for (bool interactive : {true, false}) {
        DeletingFilesForm form;
        form.applyTexts(shippedLines("US.SCR"), "WESTERN");
        form.setInteractive(interactive);
        form.showWindow();
        auto* ok = control<QPushButton>(form, "Button1");
        auto* label = control<QLabel>(form, "Label1");
        EXPECT_EQ(ok->isVisible(), interactive);
        EXPECT_EQ(label->isVisible(), !interactive);
        EXPECT_EQ(label->text(), "Quiting Orvo and cleaning up ");
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_EQ(ok->toolTip(), "Close this window");
        EXPECT_EQ(form.windowTitle(), "Deleting files");
        EXPECT_FALSE(form.isModal());
        form.setSearching(false);
    }
}

TEST(DeletingFilesForm, TheHitListShowsEachLineAsItComes) {
    DeletingFilesForm form;
    for (const char* line : {"/home/u/a b$(x)/paper.log", "/home/u/X.BAK  (not deleted)", "", "DONE!"})
        form.appendLine(line);
    auto* hits = control<QPlainTextEdit>(form, "Memo1");
    EXPECT_EQ(hits->toPlainText(), "/home/u/a b$(x)/paper.log\n/home/u/X.BAK  (not deleted)\n\nDONE!");
    EXPECT_FALSE(hits->isReadOnly());
}

// The engine writes into the window until its search ends: closing it
// meanwhile would leave the engine with a window that is gone.
TEST(DeletingFilesForm, StaysWhileItsSearchRunsAndIsDestroyedWhenClosed) {
    enum class Close { Ok, Escape, Window };
    for (Close how : {Close::Ok, Close::Escape, Close::Window}) {
        SCOPED_TRACE(int(how));
        QPointer<DeletingFilesForm> form = new DeletingFilesForm;
        form->setInteractive(true);
        form->showWindow();
        form->setSearching(true);
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(control<QPushButton>(*form, "Button1")->isEnabled());
        EXPECT_FALSE(form->close());
        QTest::keyClick(form, Qt::Key_Escape);
        destroyClosedWindows();
        ASSERT_TRUE(form);
        EXPECT_TRUE(form->isVisible());
        form->setSearching(false);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        switch (how) {
            case Close::Ok: QTest::mouseClick(control<QPushButton>(*form, "Button1"), Qt::LeftButton); break;
            case Close::Escape: QTest::keyClick(form, Qt::Key_Escape); break;
            case Close::Window: form->close(); break;
        }
        destroyClosedWindows();
        EXPECT_FALSE(form);
    }
}

}  // namespace
}  // namespace orvo
