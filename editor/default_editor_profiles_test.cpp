#include "editor/default_editor_profiles.h"

#include <gtest/gtest.h>

#include "core/config_file.h"
#include "core/ini_document.h"
#include "core/workbench.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_main_window_view.h"

namespace orvo {
namespace {

class DefaultEditorProfilesTest : public ::testing::Test {
protected:
    Workbench w;
    FakeFileSystem files;
    FakeEnvironment environment;
    FakeUserInteraction ui;
    FakeMainWindowView view;

    DefaultEditorProfilesTest() {
        w.iniDir = "/conf/";
        w.iniName = "ORVO.INI";
        w.OrvoLanguage = "US";
        w.programDir = "/opt/orvo/";
        w.activeEditorSection = "Editor:MED";
        files.addFile("/conf/ORVO.INI", "[UserChoice]\nEditorSection=Editor:MED\n[Editor:gedit_US]\nEditor=old\nMine=1\n");
        environment.variables["PATH"] = "/usr/local/bin:/usr/bin";
        files.addFile("/usr/bin/gedit");
        files.addFile("/usr/bin/geany");
    }
    IniDocument config() const { return IniDocument(files.files.at("/conf/ORVO.INI")); }
    // A first run's pass over the file as it stands.
    bool writeProfiles() {
        ConfigFile pass(files, "/conf/ORVO.INI");
        return writeDefaultEditorProfiles(w, pass, {files, environment, ui, view});
    }
};

TEST_F(DefaultEditorProfilesTest, EveryEditorOnThePathGetsAProfileAndTheBestBecomesActive) {
    files.addFile("/usr/local/bin/emacs");
    ASSERT_TRUE(writeProfiles());
    IniDocument ini = config();
    EXPECT_EQ(ini.readString("Editor:Emacs_US", "Editor", ""), "/usr/local/bin/emacs -l /opt/orvo/orvo-dde.el");
    EXPECT_EQ(ini.readString("Editor:Emacs_US", "TeXEdit", ""),
              "/usr/local/bin/emacsclient --alternate-editor=emacs +%d \"%s\"");
    EXPECT_EQ(ini.readString("Editor:Emacs_US", "DDEEditChanged", ""), "Changed");
    EXPECT_EQ(ini.readString("Editor:gedit_US", "Editor", ""), "/usr/bin/gedit") << "replaces what was there";
    EXPECT_EQ(ini.readString("Editor:gedit_US", "Mine", ""), "1");
    EXPECT_EQ(ini.readString("Editor:gedit_US", "TeXEdit", ""), "/usr/bin/gedit +%d \"%s\"");
    EXPECT_EQ(ini.readString("Editor:Geany_US", "TeXEdit", ""), "/usr/bin/geany --line=%d \"%s\"");
    EXPECT_EQ(ini.readString("Editor:Geany_US", "DDEEditSaveCommand", "x"), "");
    EXPECT_FALSE(ini.hasSection("Editor:Kate_US"));
    EXPECT_EQ(ini.readString("UserChoice", "EditorSection", ""), "Editor:Emacs");

    EXPECT_EQ(w.activeEditorSection, "Editor:Emacs_US");
    EXPECT_EQ(w.editor.DDEEditSaveCommand, "SaveAll");
    EXPECT_EQ(environment.variables["TEXEDIT"], "/usr/local/bin/emacsclient --alternate-editor=emacs +%d \"%s\"");
    EXPECT_EQ(view.choices[ChoiceField::Editor], "Emacs");
}

TEST_F(DefaultEditorProfilesTest, WithoutEmacsThePlainEditorFoundFirstIsChosen) {
    ASSERT_TRUE(writeProfiles());
    EXPECT_EQ(config().readString("UserChoice", "EditorSection", ""), "Editor:gedit");
    EXPECT_EQ(w.editor.Editor, "/usr/bin/gedit");
}

TEST_F(DefaultEditorProfilesTest, AFileThatCannotBeWrittenIsReported) {
    files.failWrites = true;
    EXPECT_FALSE(writeProfiles());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Orvo couldn't write the INI file /conf/ORVO.INI");
    EXPECT_EQ(w.activeEditorSection, "Editor:MED");
}

}  // namespace
}  // namespace orvo
