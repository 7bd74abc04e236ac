// The "Clean up files" dialog offscreen: its controls, their texts in two
// languages, and clicks and keys reaching the logic.
#include "dialogs/qt/cleanup_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "tests/cleanup_rig.h"
#include "tests/shipped_data.h"

namespace orvo {
namespace {

class CleanupFormTest : public ::testing::Test, protected test::CleanupRig {
protected:
    CleanupFormTest() {
        w.mainPath = "/home/u/docs/";
        w.MainFileName = "paper.tex";
        w.CleanupFiles = "*.AUX;*.LOG;*.BAK";
        for (const char* path : {"/home/u/docs/paper.tex", "/home/u/docs/paper.aux", "/home/u/docs/paper.log",
                                 "/home/u/docs/ch/ch.log", "/home/u/other/x.bak"})
            files.addFile(path);
        form.attach(dialog);
        form.applyTexts(shippedLines("US.SCR"), "WESTERN");
        dialog.open();
        form.show();
    }

    template <typename T>
    T* control(const char* name) {
        T* widget = form.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QListWidget* list() { return control<QListWidget>("CheckListBox1"); }
    void clickEntry(int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(row)).center());
    }
    std::vector<bool> shownTicks() {
        std::vector<bool> ticks;
        for (int row = 0; row < list()->count(); ++row) ticks.push_back(list()->item(row)->checkState() == Qt::Checked);
        return ticks;
    }

    CleanupForm form;
    CleanupDialog dialog {w, form, services()};
};

TEST_F(CleanupFormTest, ControlsCarryTheirNamesTextsAndOrder) {
    struct Case {
        const char* language;
        const char* change;
        const char* deeper;
        const char* cancel;
        const char* title;
    };
    const Case cases[] = {
        {"US.SCR", "&Change folder", "Clean up &deeper folders too", "Cancel", "Clean up files"},
        {"DE.SCR", "Ordner &wechseln", "Auch &Unterordner bereinigen", "Abbrechen", "Dateien bereinigen"},
    };
    for (const Case& c : cases) {
        form.applyTexts(shippedLines(c.language), "WESTERN");
        EXPECT_EQ(control<QPushButton>("Button1")->text(), c.change) << c.language;
        EXPECT_EQ(control<QCheckBox>("CheckBox1")->text(), c.deeper) << c.language;
        EXPECT_EQ(control<QPushButton>("Button3")->text(), c.cancel) << c.language;
        EXPECT_EQ(form.windowTitle(), c.title) << c.language;
        EXPECT_EQ(form.accessibleName(), c.title) << c.language;
    }
    form.applyTexts(shippedLines("US.SCR"), "WESTERN");
    EXPECT_EQ(control<QPushButton>("Button1")->toolTip(), "Change folder");
    EXPECT_EQ(control<QPushButton>("Button2")->toolTip(), "Start cleaning up");
    EXPECT_EQ(control<QPushButton>("Button3")->toolTip(), "Stop cleaning up");
    EXPECT_TRUE(control<QPushButton>("Button2")->isDefault());
    EXPECT_FALSE(list()->accessibleName().isEmpty());
    EXPECT_FALSE(control<QLineEdit>("Edit1")->accessibleName().isEmpty());
    EXPECT_FALSE(form.isModal());

    std::vector<QString> order;
    QWidget* at = list();
    for (int i = 0; i < 6; ++i, at = at->nextInFocusChain()) {
        while (at->focusPolicy() == Qt::NoFocus) at = at->nextInFocusChain();
        order.push_back(at->objectName());
    }
    EXPECT_EQ(order, (std::vector<QString> {"CheckListBox1", "Edit1", "Button1", "CheckBox1", "Button2", "Button3"}));
}

TEST_F(CleanupFormTest, TheListShowsTheMasksAndAClickOrSpaceTogglesAnEntry) {
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(1)->text(), "*.LOG");
    EXPECT_EQ(shownTicks(), std::vector<bool>(3, false));
    clickEntry(1);
    EXPECT_EQ(shownTicks(), (std::vector<bool> {false, true, false}));
    EXPECT_EQ(dialog.ticks(), shownTicks());
    clickEntry(1);
    clickEntry(2);
    EXPECT_EQ(shownTicks(), (std::vector<bool> {false, false, true}));
    list()->setFocus();
    list()->setCurrentRow(0);
    QTest::keyClick(list(), Qt::Key_Space);
    EXPECT_EQ(shownTicks(), (std::vector<bool> {true, false, true}));
    EXPECT_EQ(dialog.ticks(), shownTicks());
    list()->item(1)->setCheckState(Qt::Checked);  // as an assistive tool toggles
    EXPECT_EQ(dialog.ticks(), (std::vector<bool> {true, true, true}));
}

TEST_F(CleanupFormTest, TheFolderFieldOpensTheChooserAndTheTicksGo) {
    auto* field = control<QLineEdit>("Edit1");
    EXPECT_EQ(field->text(), "/home/u/docs/");
    clickEntry(0);
    chosenFolder = "/home/u/other";
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::qWait(0);
    ASSERT_EQ(chooserCalls.size(), 1u);
    EXPECT_EQ(chooserCalls[0].startFolder, "/home/u/docs/");
    EXPECT_EQ(field->text(), "/home/u/other/");
    EXPECT_EQ(shownTicks(), std::vector<bool>(3, false));

    field->setFocus();
    QTest::keyClick(field, Qt::Key_Tab);
    QTest::qWait(0);
    EXPECT_EQ(chooserCalls.size(), 1u) << "Tab moves on";
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A);
    QTest::qWait(0);
    EXPECT_EQ(chooserCalls.size(), 2u) << "any other key asks for a folder";
    QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(chooserCalls.size(), 3u);
}

TEST_F(CleanupFormTest, OkDeletesTheTickedMasksAndClosesTheDialog) {
    clickEntry(1);
    QTest::mouseClick(control<QCheckBox>("CheckBox1"), Qt::LeftButton);
    EXPECT_TRUE(dialog.deeperFolders());
    QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(deleting.lines,
              (std::vector<std::string> {"/home/u/docs/paper.log", "/home/u/docs/ch/ch.log", "", kDoneLine}));
    EXPECT_TRUE(files.fileExists("/home/u/docs/paper.aux"));
}

TEST_F(CleanupFormTest, CancelAndEscapeCloseWithoutDeleting) {
    for (bool escape : {false, true}) {
        form.show();
        clickEntry(0);
        if (escape) QTest::keyClick(&form, Qt::Key_Escape);
        else QTest::mouseClick(control<QPushButton>("Button3"), Qt::LeftButton);
        EXPECT_FALSE(form.isVisible()) << escape;
    }
    EXPECT_TRUE(deleting.lines.empty());
    EXPECT_TRUE(files.fileExists("/home/u/docs/paper.aux"));
}

}  // namespace
}  // namespace orvo
