#include "editor/editor_launch.h"

#include <gtest/gtest.h>

#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "jobs/launcher.h"
#include "platform/fake/fake_dde.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_process_launcher.h"
#include "platform/fake/fake_repeating_timer.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/editor_test_rig.h"

namespace orvo {
namespace {

using Words = std::vector<std::string>;

class EditorLaunchTest : public ::testing::Test, protected test::EditorRig {
protected:
    FakeRepeatingTimer timer;
    EditorStartTimer startTimer {w, timer, launcher, exchanges};

    EditorLaunchTest() {
        w.editor.Editor = "emacs -l \"/opt/orvo dir/orvo-dde.el\"";
        w.editor.EditorClassName = "Emacs";
        w.editor.DDEEditService = "Emacs";
        w.editor.DDEEditTopic = "Editor";
        w.editor.DDEEditForeground = "Raise";
        w.MainFileName = "a b.tex";
        dde.addServer("Emacs", "Editor");
    }
};

TEST_F(EditorLaunchTest, TheEditorStartsOnTheMainFileAndTheCurrentFileInTheMainFolder) {
    startEditor(w, launcher, startTimer);
    w.CurrentFileName = "/docs/ch1.tex";
    startEditor(w, launcher, startTimer);
    ASSERT_EQ(processes.starts.size(), 2u);
    EXPECT_EQ(processes.starts[0].argv, (Words {"emacs", "-l", "/opt/orvo dir/orvo-dde.el", "/docs/a b.tex"}));
    EXPECT_EQ(processes.starts[1].argv,
              (Words {"emacs", "-l", "/opt/orvo dir/orvo-dde.el", "/docs/a b.tex", "/docs/ch1.tex"}));
    EXPECT_TRUE(processes.starts[0].detached);
    EXPECT_EQ(files.current, "/docs");
    EXPECT_FALSE(timer.active()) << "no macro program, no timer";
}

TEST_F(EditorLaunchTest, WithoutAMainFileNothingStarts) {
    w.MainFileName.clear();
    startEditor(w, launcher, startTimer);
    EXPECT_TRUE(processes.starts.empty());
}

TEST_F(EditorLaunchTest, AFileOpensInTheEditorForTheDialogs) {
    EXPECT_TRUE(openInEditor(w, launcher, "/docs/paper.ilg"));
    ASSERT_EQ(processes.starts.size(), 1u);
    EXPECT_EQ(processes.starts[0].argv.back(), "/docs/paper.ilg");
    processes.missing.insert("emacs");
    EXPECT_FALSE(openInEditor(w, launcher, "/docs/paper.ilg"));
    EXPECT_EQ(ui.shown.size(), 1u) << "the direct start reports the failure";
}

TEST_F(EditorLaunchTest, TheStartTimerWaitsForTheWindowThenStartsTheMacroProgramAndRaisesTheEditor) {
    w.editor.StartEditorWithProgram = "latexmac -q";
    startEditor(w, launcher, startTimer);
    ASSERT_TRUE(timer.active());
    EXPECT_EQ(timer.periodMs, 100);
    startEditor(w, launcher, startTimer);
    EXPECT_EQ(timer.starts, 1) << "starting it while it runs changes nothing";

    processes.starts.clear();
    timer.fire();
    EXPECT_TRUE(processes.starts.empty()) << "no window yet";
    windows.open["Emacs"] = 1;
    timer.fire();
    ASSERT_EQ(processes.starts.size(), 1u);
    EXPECT_EQ(processes.starts[0].argv, (Words {"latexmac", "-q"}));
    EXPECT_EQ(dde.log, (Words {"open Emacs Editor", "execute Raise", "close"}));
    EXPECT_FALSE(timer.active());
}

TEST_F(EditorLaunchTest, TheStartTimerGivesUpAfter150Ticks) {
    w.editor.StartEditorWithProgram = "latexmac";
    startEditor(w, launcher, startTimer);
    for (int i = 0; i < 149; ++i) timer.fire();
    EXPECT_TRUE(timer.active());
    timer.fire();
    EXPECT_FALSE(timer.active());
    EXPECT_EQ(processes.starts.size(), 1u) << "only the editor";
}

TEST_F(EditorLaunchTest, NoForegroundExchangeWithoutItsCommand) {
    w.editor.StartEditorWithProgram = "latexmac";
    w.editor.DDEEditForeground.clear();
    windows.open["Emacs"] = 1;
    startTimer.start();
    timer.fire();
    EXPECT_TRUE(dde.log.empty());
    EXPECT_EQ(processes.starts.size(), 1u);
}

}  // namespace
}  // namespace orvo
