#include "editor/spell_check.h"

#include <gtest/gtest.h>

#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "jobs/launcher.h"
#include "platform/fake/fake_dde.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_process_launcher.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/editor_test_rig.h"
#include "tests/fake_main_window_view.h"

namespace orvo {
namespace {

using Words = std::vector<std::string>;

class SpellCheckTest : public ::testing::Test, protected test::EditorRig {
protected:
    FakeMainWindowView view;

    SpellCheckTest() {
        w.iniDir = "/conf/";
        w.iniName = "ORVO.INI";
        w.OrvoBTMDir = "/opt/orvo/";
        w.SpellLanguage = "german";
        w.OrvoLanguage = "DE";
        w.SpellChecker = "&OrvoBTMDirOrvoSpell.exe &spellfile -L=&lang -SL=&OrvoLanguage -INIFILE=&inifile -R";
        w.editor.EditorClassName = "Emacs";
        w.editor.DDEEditService = "Emacs";
        w.editor.DDEEditTopic = "Editor";
        w.editor.DDEEditSaveCommand = "SaveAll";
        files.addFile("/docs/paper.tex", "x");
    }
};

TEST_F(SpellCheckTest, TheEditorSavesThenTheSpellCheckerStartsOnTheCurrentOrMainFile) {
    windows.open["Emacs"] = 1;
    dde.addServer("Emacs", "Editor");
    view.onTop = true;
    spellCheck(w, {exchanges, launcher, files, view});
    w.CurrentFileName = "/docs/my ch1.tex";
    spellCheck(w, {exchanges, launcher, files, view});
    ASSERT_EQ(processes.starts.size(), 2u);
    EXPECT_EQ(processes.starts[0].argv, (Words {"/opt/orvo/OrvoSpell.exe", "/docs/paper.tex", "-L=GERMAN", "-SL=DE",
                                                "-INIFILE=/conf/ORVO.INI", "-R"}));
    EXPECT_EQ(processes.starts[1].argv[1], "/docs/my ch1.tex");
    EXPECT_EQ(dde.log.front(), "open Emacs Editor");
    EXPECT_FALSE(view.stayOnTop());
    EXPECT_EQ(files.current, "/docs");
    EXPECT_TRUE(files.fileExists("/docs/paper.ORVOPAR")) << "the document's parameters are written";
}

}  // namespace
}  // namespace orvo
