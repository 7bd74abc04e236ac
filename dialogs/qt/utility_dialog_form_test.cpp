// The window every utility dialog is, shown with the Run dialog: its size
// kept in Screens, the main window's style given up and back, a new language
// and the way back to the front after a job.
#include "dialogs/qt/utility_dialog_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/workbench.h"
#include "dialogs/qt/run_form.h"
#include "tests/dialog_rig.h"

namespace orvo {
namespace {

struct FormRig : test::DialogRig {
    FormRig() {
        desktop.screen = {1600, 1200};
        dialogs.provide(kRunDialogNumber, [this] {
            form = new RunForm(context, nullptr);
            return std::make_unique<FormWindow>(form);
        });
    }
    ~FormRig() { delete form; }
    RunForm* open() {
        dialogs.dispatchUtility("&run");
        return form;
    }
    QPointer<RunForm> form;
};

TEST(UtilityDialogForm, ItsSizeIsKeptInScreensAndReadBackAtTheNextOpening) {
    FormRig rig;
    rig.workbench.screenFactors[kRunDialogNumber - 1] = {1.0, 1.0};
    RunForm* form = rig.open();
    ASSERT_TRUE(form && form->isVisible());
    EXPECT_EQ(form->size(), QSize(840, 300)) << "designed 420 x 150 on 800 x 600";
    form->resize(1260, 600);
    form->reject();
    const ScreenFactor kept = rig.workbench.screenFactors[kRunDialogNumber - 1];
    EXPECT_DOUBLE_EQ(kept.x, 1.5);
    EXPECT_DOUBLE_EQ(kept.y, 2.0);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(rig.form.isNull()) << "the Run dialog is made anew at its next use";
    form = rig.open();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->size(), QSize(1260, 600));
}

TEST(UtilityDialogForm, TheMainWindowStopsStayingOnTopWhileItIsOpen) {
    FormRig rig;
    rig.workbench.StayOnTop = true;
    rig.mainWindow.onTop = true;
    RunForm* form = rig.open();
    EXPECT_FALSE(rig.mainWindow.onTop);
    EXPECT_EQ(rig.dialogs.openDialogNumber(), kRunDialogNumber);
    form->reject();
    EXPECT_TRUE(rig.mainWindow.onTop);
    EXPECT_EQ(rig.shell.calls, std::vector<std::string> {"reapplyLayout"});
    EXPECT_EQ(rig.dialogs.openDialogNumber(), kMainWindowNumber);
}

TEST(UtilityDialogForm, ANewLanguageReachesAnOpenDialog) {
    FormRig rig;
    RunForm* form = rig.open();
    EXPECT_EQ(form->windowTitle(), "Run");
    rig.workbench.uiStrings.assign(400, "");
    rig.workbench.uiStrings[344] = "Ausführen";
    rig.workbench.uiStrings[342] = "&Durchsuchen";
    rig.dialogs.languageApplied();
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Ausführen"));
    EXPECT_EQ(form->findChild<QPushButton*>("BitBtn3")->text(), "&Durchsuchen");
}

TEST(UtilityDialogForm, AJobsEndBringsItsDialogBack) {
    FormRig rig;
    RunForm* form = rig.open();
    form->hide();  // put away behind the console, say
    rig.dialogs.bringToFront(kRunDialogNumber);
    EXPECT_TRUE(form->isVisible());
    rig.dialogs.setOpenDialogNumber(kRunDialogNumber);
    form->hide();
    rig.dialogs.mainWindowActivated();
    EXPECT_TRUE(form->isVisible());
}

TEST(RunForm, EnterOpensTheLineAndAFailureKeepsTheDialogWithIt) {
    FormRig rig;
    RunForm* form = rig.open();
    auto* line = form->findChild<QLineEdit*>("Edit1");
    ASSERT_TRUE(line);
    rig.shellOpen.failing = {"no-such-viewer"};
    line->setText("no-such-viewer /tmp/a.pdf");
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(line->text(), "no-such-viewer /tmp/a.pdf");
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    line->setText("evince /tmp/a.pdf");
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(rig.shellOpen.requests.size(), 2u);
    EXPECT_EQ(rig.shellOpen.requests[1].target, "evince");
    EXPECT_EQ(rig.shellOpen.requests[1].parameters, std::vector<std::string> {"/tmp/a.pdf"});
}

TEST(RunForm, BrowsePutsTheChosenFileIntoTheLine) {
    FormRig rig;
    RunForm* form = rig.open();
    rig.ui.chosenFiles = {std::string("/home/a b/doc.pdf")};
    QTest::mouseClick(form->findChild<QPushButton*>("BitBtn3"), Qt::LeftButton);
    EXPECT_EQ(form->findChild<QLineEdit*>("Edit1")->text(), "\"/home/a b/doc.pdf\"");
}

}  // namespace
}  // namespace orvo
