#include "core/main_window_messages.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_main_window_view.h"

namespace orvo {
namespace {

TEST(StayOnTopPause, NestedWindowsRestoreTheStyleOnceWhenTheOutermostCloses) {
    FakeMainWindowView view;
    view.onTop = true;
    StayOnTopPauses pauses(view);
    pauses.opened();
    EXPECT_FALSE(view.onTop);
    {
        StayOnTopPause chooser(view);  // a chooser opened from the box
        pauses.opened();               // and a box over the chooser
        pauses.closed();
        EXPECT_FALSE(view.onTop) << "the chooser is still open";
    }
    EXPECT_FALSE(view.onTop) << "the first box is still open";
    pauses.closed();
    EXPECT_TRUE(view.onTop);
    EXPECT_EQ(view.count("setStayOnTop 0"), 1);
    EXPECT_EQ(view.count("setStayOnTop 1"), 1);
    pauses.closed();  // a close without an opening changes nothing
    EXPECT_EQ(view.count("setStayOnTop"), 2);
}

TEST(StayOnTopPause, AWindowThatIsNotOnTopIsLeftAlone) {
    FakeMainWindowView view;
    StayOnTopPauses pauses(view);
    pauses.opened();
    pauses.closed();
    FakeUserInteraction ui;
    showOverMainWindow(view, ui, {MessageKind::Warning, "x", MessageButtons::Ok, MessagePlacement::ScreenCentre});
    EXPECT_EQ(view.count("setStayOnTop"), 0);
    EXPECT_FALSE(view.onTop);
}

}  // namespace
}  // namespace orvo
