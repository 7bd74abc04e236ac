#include "editor/editor_choice.h"

#include <gtest/gtest.h>

#include "core/ini_document.h"
#include "core/workbench.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "tests/fake_main_window_view.h"

namespace orvo {
namespace {

class EditorChoiceTest : public ::testing::Test {
protected:
    Workbench w;
    FakeFileSystem files;
    FakeEnvironment environment;
    FakeMainWindowView view;
    EditorChoiceServices services {files, environment, view};

    EditorChoiceTest() {
        w.iniDir = "/conf/";
        w.iniName = "ORVO.INI";
        w.OrvoLanguage = "DE";
        w.activeEditorSection = "Editor:Emacs_US";
        files.addFile("/conf/ORVO.INI",
                      "[Editor:Emacs_US]\nEditor=emacs\n[Editor:Kate_US]\nEditor=kate\nTeXEdit=kate -l %d %s\n"
                      "[Editor:Kate_DE]\nEditor=kate-de\n");
        files.addDirectory("/docs");
        files.current = "/docs";
        environment.variables["EDITOR"] = "vi";
    }
};

TEST_F(EditorChoiceTest, AChoiceLoadsTheEditorInTheCurrentLanguage) {
    std::vector<std::string> offered;
    std::string caption;
    chooseEditor(w, services, [&](const std::string& c, const std::vector<std::string>& names) {
        caption = c;
        offered = names;
        EXPECT_FALSE(files.fileExists("/docs/ORVOSET.BAT")) << "deleted while choosing";
        return std::optional<std::string>("Kate");
    });
    EXPECT_EQ(offered, (std::vector<std::string> {"Emacs", "Kate"}));
    EXPECT_EQ(caption, "Choose the editor");
    EXPECT_EQ(w.activeEditorSection, "Editor:Kate_DE");
    EXPECT_EQ(w.editor.Editor, "kate-de");
    EXPECT_EQ(w.editor.EditorClassName, "Gedit") << "the choice fallbacks";
    EXPECT_EQ(w.TeXEdit, "kate-de +%d \"%s\"");
    EXPECT_EQ(environment.variables["TEXEDIT"], w.TeXEdit);
    EXPECT_EQ(environment.variables["MPEDIT"], w.TeXEdit);
    EXPECT_EQ(environment.variables["EDITOR"], "vi");
    EXPECT_EQ(view.choices[ChoiceField::Editor], "Kate");
    EXPECT_TRUE(files.fileExists("/docs/ORVOSET.BAT"));
}

TEST_F(EditorChoiceTest, NoChoiceChangesNothingButTheBatchFileComesBack) {
    view.onTop = true;
    chooseEditor(w, services, [&](const std::string&, const std::vector<std::string>&) {
        EXPECT_FALSE(view.stayOnTop()) << "the chooser is not hidden behind the main window";
        return std::optional<std::string>();
    });
    EXPECT_EQ(w.activeEditorSection, "Editor:Emacs_US");
    EXPECT_TRUE(view.stayOnTop());
    EXPECT_TRUE(files.fileExists("/docs/ORVOSET.BAT"));
    EXPECT_FALSE(environment.variables.count("TEXEDIT"));
}

}  // namespace
}  // namespace orvo
