#include "editor/editor_profiles.h"

#include <gtest/gtest.h>

#include "core/ini_document.h"
#include "core/workbench.h"
#include "platform/fake/fake_file_system.h"

namespace orvo {
namespace {

const char* const kProfiles =
    "[Editor:MED_US]\nEditor=/bin/med\n"
    "[Editor:MED_DE]\nEditor=/bin/med_de\n"
    "[Editor:PFE_US]\nEditor=/bin/pfe\n"
    "[Editor:PFE_NL]\nEditorClassName=Pfe\nTeXEdit=pfe %s\n"
    "[Editor:WinEdt_US]\nEditor=/bin/winedt\n";

TEST(EditorProfiles, TheActiveSectionFallsBackToUsWhenTheLanguageHasNoEditor) {
    IniDocument config(kProfiles);
    struct Case {
        const char* base;
        const char* language;
        const char* active;
    };
    for (const Case& c : {Case {"Editor:MED", "US", "Editor:MED_US"}, Case {"Editor:MED", "DE", "Editor:MED_DE"},
                          Case {"Editor:PFE", "DE", "Editor:PFE_US"}, Case {"Editor:PFE", "NL", "Editor:PFE_US"},
                          Case {"Editor:Nothing", "DE", "Editor:Nothing_US"}}) {
        EXPECT_EQ(resolveActiveSection(config, c.base, c.language), c.active) << c.base << " " << c.language;
    }
}

TEST(EditorProfiles, SectionNamesGiveTheEditorNameAndTheBase) {
    EXPECT_EQ(editorNameOf("Editor:WinEdt_US"), "WinEdt");
    EXPECT_EQ(editorNameOf("Editor:MED"), "MED");
    EXPECT_EQ(editorNameOf("Editor:a_b_US"), "a");
    EXPECT_EQ(profileBase("Editor:WinEdt_US"), "Editor:WinEdt");
}

TEST(EditorProfiles, TheListHoldsEachEditorOnceAtItsLastSection) {
    EXPECT_EQ(listEditors(IniDocument(kProfiles)), (std::vector<std::string> {"MED", "PFE", "WinEdt"}));
    IniDocument other("[System]\n[Editor:Notepad]\n[Editor:A_US]\n[Editor:B_US]\n[editors]\n[Editor:A_DE]\n");
    EXPECT_EQ(listEditors(other), (std::vector<std::string> {"Notepad", "B", "A"}));
    EXPECT_TRUE(listEditors(IniDocument("[System]\nEditor:X=1\n")).empty());
}

TEST(EditorProfiles, ModesAreExecuteWhenTheyHoldExecute) {
    EXPECT_TRUE(isExecuteMode("Execute"));
    EXPECT_TRUE(isExecuteMode("by execute please"));
    EXPECT_FALSE(isExecuteMode("Request"));
    EXPECT_FALSE(isExecuteMode(""));
    EXPECT_FALSE(isExecuteMode("Exec"));
}

class ProfileLoadTest : public ::testing::Test {
protected:
    Workbench w;
    FakeFileSystem files;
};

TEST_F(ProfileLoadTest, MissingKeysTakeTheFallbacksOfTheSituation) {
    IniDocument config("[Editor:Foo_US]\nEditor=/opt/foo\nAutoSave=3\nDDEEditQuit=\n");
    w.activeEditorSection = "Editor:Foo_US";

    loadEditorProfile(w, config, ProfileFallback::Startup, files);
    EXPECT_EQ(w.editor.Editor, "/opt/foo");
    EXPECT_EQ(w.editor.EditorClassName, "Emacs");
    EXPECT_EQ(w.editor.DDEEditSaveCommand, "SaveAll");
    EXPECT_EQ(w.editor.DDEEditQuit, "") << "present but empty stays empty";
    EXPECT_EQ(w.editor.AutoSave, 3);
    EXPECT_EQ(w.TeXEdit, "emacsclient --alternate-editor=emacs +%d %s");

    loadEditorProfile(w, config, ProfileFallback::Choice, files);
    EXPECT_EQ(w.editor.EditorClassName, "Gedit");
    EXPECT_EQ(w.editor.DDEEditSaveCommand, "");
    EXPECT_EQ(w.TeXEdit, "/opt/foo +%d \"%s\"") << "follows the Editor just loaded";
}

TEST_F(ProfileLoadTest, TheMacroProgramFollowsTheEditorOnlyWhereItExists) {
    w.LaTeXMac = "/usr/bin/latexmac";
    IniDocument empty;
    w.activeEditorSection = "Editor:None_US";
    loadEditorProfile(w, empty, ProfileFallback::Startup, files);
    EXPECT_EQ(w.editor.StartEditorWithProgram, "");
    files.addFile("/usr/bin/latexmac");
    loadEditorProfile(w, empty, ProfileFallback::Startup, files);
    EXPECT_EQ(w.editor.StartEditorWithProgram, "/usr/bin/latexmac");
}

TEST_F(ProfileLoadTest, TheRecordIsWrittenWholeAndReadsBackTheSame) {
    IniDocument config("[Editor:Mine_US]\nEditor=mine\nColour=blue\n");
    w.activeEditorSection = "Editor:Mine_US";
    loadEditorProfile(w, config, ProfileFallback::Choice, files);
    w.editor.AutoSave = 25;
    w.editor.DDEBlockLineNumberMode = "Execute";
    w.KillEditorProcesses = "Mine;MineHelp";
    writeEditorProfile(w, config);
    EXPECT_EQ(config.keyNames("Editor:Mine_US").size(), 22u) << "21 profile keys and the user's own";
    EXPECT_EQ(config.readString("Editor:Mine_US", "Colour", ""), "blue");
    EXPECT_EQ(config.readString("Editor:Mine_US", "AutoSave", ""), "25");

    Workbench again;
    again.activeEditorSection = "Editor:Mine_US";
    loadEditorProfile(again, config, ProfileFallback::Startup, files);
    EXPECT_EQ(again.editor.EditorClassName, "Gedit") << "written, so no longer a fallback";
    EXPECT_EQ(again.editor.DDEBlockLineNumberMode, "Execute");
    EXPECT_EQ(again.KillEditorProcesses, "Mine;MineHelp");
    EXPECT_EQ(again.TeXEdit, w.TeXEdit);
}

TEST_F(ProfileLoadTest, AnUnresolvedSectionIsNotWritten) {
    IniDocument config;
    w.activeEditorSection = "Editor:MED";
    writeEditorProfile(w, config);
    EXPECT_TRUE(config.sectionNames().empty());
}

}  // namespace
}  // namespace orvo
