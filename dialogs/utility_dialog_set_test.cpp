// The dialog set: made on first use, brought back, made anew after a close
// when not kept, and the steps every dialog's frame takes.
#include "dialogs/utility_dialog_set.h"

#include <gtest/gtest.h>

#include "core/workbench.h"
#include "dialogs/dialog_frame.h"
#include "tests/dialog_rig.h"

namespace orvo {
namespace {

using Words = std::vector<std::string>;

// A window that writes what happens to it into the rig's log.
struct LoggedWindow : UtilityWindow {
    LoggedWindow(Words& log, int number) : log(log), number(number) { log.push_back("made " + std::to_string(number)); }
    ~LoggedWindow() override { log.push_back("gone " + std::to_string(number)); }
    void showWindow() override { log.push_back("show " + std::to_string(number)); }
    void applyTexts() override { log.push_back("texts " + std::to_string(number)); }
    Words& log;
    int number;
};

// The log outlives the set, whose windows write into it as they go.
struct WindowLog {
    Words log;
};

struct SetRig : WindowLog, test::DialogRig {
    void provide(int number) {
        dialogs.provide(number, [this, number] { return std::make_unique<LoggedWindow>(log, number); });
    }
};

TEST(UtilityDialogSet, ADialogIsMadeOnceAndShownAtEveryUse) {
    SetRig rig;
    rig.provide(3);
    rig.dialogs.dispatchUtility("&bibtex");
    rig.dialogs.dispatchUtility("&bibtex");
    EXPECT_EQ(rig.log, (Words {"made 3", "show 3", "show 3"}));
    rig.dialogs.closed(3, true);
    rig.dialogs.dispatchUtility("&bibtex");
    EXPECT_EQ(rig.log.back(), "show 3") << "a kept dialog is shown again";
    rig.dialogs.closed(3, false);
    rig.dialogs.dispatchUtility("&bibtex");
    EXPECT_EQ(rig.log, (Words {"made 3", "show 3", "show 3", "show 3", "gone 3", "made 3", "show 3"}));
}

TEST(UtilityDialogSet, FormatGenerationMakesTheLanguageSelectionWithoutShowingIt) {
    SetRig rig;
    rig.provide(4);
    rig.provide(14);
    rig.dialogs.dispatchUtility("&makeformat");
    rig.dialogs.dispatchUtility("&makeformat");
    EXPECT_EQ(rig.log, (Words {"made 14", "made 4", "show 4", "show 4"}));
}

TEST(UtilityDialogSet, ADialogNotThereYetIsNamedInABoxAndTheStyleComesBack) {
    SetRig rig;
    rig.workbench.StayOnTop = true;
    rig.mainWindow.onTop = true;
    rig.dialogs.dispatchUtility("&metapost");
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    EXPECT_NE(rig.ui.shown[0].text.find("MetaPost"), std::string::npos) << rig.ui.shown[0].text;
    EXPECT_EQ(rig.ui.shown[0].kind, MessageKind::Information);
    EXPECT_TRUE(rig.mainWindow.onTop);
    rig.dialogs.openPrinterOptions();
    EXPECT_NE(rig.ui.shown.back().text.find("Printer options"), std::string::npos);
}

TEST(UtilityDialogSet, TheMainWindowBringsBackTheDialogActiveOverIt) {
    SetRig rig;
    rig.provide(3);
    Words external;
    rig.dialogs.provideExisting(0, [&external] { external.push_back("about"); });
    rig.dialogs.provideExisting(16, [&external] { external.push_back("console"); });
    rig.dialogs.dispatchUtility("&bibtex");
    rig.dialogs.setOpenDialogNumber(3);
    rig.dialogs.mainWindowActivated();
    EXPECT_EQ(rig.log.back(), "show 3");
    EXPECT_EQ(rig.dialogs.openDialogNumber(), kMainWindowNumber);
    rig.dialogs.mainWindowActivated();
    EXPECT_EQ(rig.log.size(), 3u) << "nothing to bring back";
    for (int number : {16, 0, -1}) {
        rig.dialogs.setOpenDialogNumber(number);
        rig.dialogs.mainWindowActivated();
    }
    EXPECT_EQ(external, (Words {"console", "about", "about"}));
    rig.dialogs.setOpenDialogNumber(7);  // a dialog that is not there is not made for it
    rig.dialogs.mainWindowActivated();
    EXPECT_EQ(rig.log.size(), 3u);
}

TEST(UtilityDialogSet, AJobBringsBackOnlyTheDialogItCameFromAndEveryDialogTakesANewLanguage) {
    SetRig rig;
    rig.provide(3);
    rig.provide(15);
    rig.dialogs.bringToFront(3);
    EXPECT_TRUE(rig.log.empty()) << "not made for it";
    rig.dialogs.dispatchUtility("&bibtex");
    rig.dialogs.dispatchUtility("&run");
    rig.log.clear();
    rig.dialogs.bringToFront(3);
    rig.dialogs.languageApplied();
    EXPECT_EQ(rig.log, (Words {"show 3", "texts 3", "texts 15"}));
}

TEST(DialogFrame, OpensFromTheMainWindowsPlaceInsideTheScreenAndKeepsItsSize) {
    test::DialogRig rig;
    Workbench& w = rig.workbench;
    rig.desktop.screen = {1600, 1200};
    w.screenFactors[8] = {1.5, 0.5};
    w.XScreenPos = 1500;
    w.YScreenPos = 30;
    w.StayOnTop = true;
    rig.mainWindow.onTop = true;
    DialogFrame frame(rig.context, {9, 400, 300}, false);
    DialogGeometry at = frame.opening();
    EXPECT_EQ(at.width, 1200);  // 1.5 x 400 x 1600/800
    EXPECT_EQ(at.height, 300);  // 0.5 x 300 x 1200/600
    EXPECT_EQ(at.x, 400) << "moved left to stay on the screen";
    EXPECT_EQ(at.y, 30);
    EXPECT_FALSE(rig.mainWindow.onTop);
    EXPECT_EQ(rig.dialogs.openDialogNumber(), 9);

    frame.closing(800, 1200);
    EXPECT_DOUBLE_EQ(w.screenFactors[8].x, 1.0);
    EXPECT_DOUBLE_EQ(w.screenFactors[8].y, 2.0);
    EXPECT_TRUE(rig.mainWindow.onTop);
    EXPECT_EQ(rig.shell.calls, (Words {"reapplyLayout"}));
    EXPECT_EQ(rig.dialogs.openDialogNumber(), kMainWindowNumber);

    w.Menubar = true;  // the speedbar keeps its own layout
    w.XScreenPosSpeedbar = -50;
    w.YScreenPosSpeedbar = 5000;
    at = frame.opening();
    EXPECT_EQ(at.x, 0);
    EXPECT_EQ(at.height, 1200) << "the factors stored at the last close";
    EXPECT_EQ(at.y, 0);
    frame.closing(0, 0);  // no usable size: the factors stay
    EXPECT_DOUBLE_EQ(w.screenFactors[8].x, 1.0);
    EXPECT_EQ(rig.shell.calls.size(), 1u);
}

}  // namespace
}  // namespace orvo
