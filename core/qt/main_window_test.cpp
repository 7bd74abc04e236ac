// The main window's wiring, offscreen: its pages, its fields and what the
// logic's calls show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "core/qt/main_window.h"

namespace orvo {
namespace {

TEST(MainWindow, HasTheFourPagesWithTheirCaptions) {
    MainWindow window;
    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i) captions << pages->tabText(i);
    EXPECT_EQ(captions, (QStringList {"Main menu", "Output", "Utilities", "Options"}));
    window.selectPage(MainPage::Options);
    EXPECT_EQ(pages->currentIndex(), 3);
}

TEST(MainWindow, ShowsFilesAndChoicesInTheirNamedFields) {
    MainWindow window;
    window.showMainFile("/docs/paper.tex");
    window.showCurrentFile("/docs/chap1.tex");
    window.showChoice(ChoiceField::Viewer, "xdvi (.dvi)");
    struct Case {
        const char* name;
        const char* accessible;
        QString text;
    };
    for (const Case& c : {Case {"Edit1", "Main file", "/docs/paper.tex"}, Case {"Edit2", "Current file", "/docs/chap1.tex"},
                          Case {"Edit7", "Previewer", "xdvi (.dvi)"}}) {
        auto* field = window.findChild<QLineEdit*>(c.name);
        ASSERT_NE(field, nullptr) << c.name;
        EXPECT_EQ(field->text(), c.text) << c.name;
        EXPECT_EQ(field->accessibleName(), c.accessible) << c.name;
    }
}

TEST(MainWindow, QuitRunsTheQuitActionAndClosingRunsTheShutDownOnce) {
    MainWindow window;
    int quits = 0, closes = 0;
    window.onQuit = [&] {
        ++quits;
        window.close();
    };
    window.onClose = [&] { ++closes; };
    window.show();
    window.findChild<QPushButton*>("BitBtnQuit")->click();
    window.close();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(closes, 1);
}

TEST(MainWindow, SpeedbarModeHidesThePagesAndReportsIt) {
    MainWindow window;
    window.show();
    EXPECT_FALSE(window.geometry().tabPagesHidden);
    window.setSpeedbarMode(true, false);
    EXPECT_TRUE(window.geometry().tabPagesHidden);
    EXPECT_FALSE(window.findChild<QPushButton*>("BitBtnQuit")->isVisible());
}

}  // namespace
}  // namespace orvo
