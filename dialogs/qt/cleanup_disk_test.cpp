// A clean-up as the user runs it, on a real folder whose name a shell would
// take apart: the dialog, the engine, the "Deleting files" window, the
// Linux file system and the mount table. Exactly the matching names go.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QCheckBox>
#include <QTest>

#include <set>

#include "core/workbench.h"
#include "dialogs/cleanup_dialog.h"
#include "dialogs/delete_files.h"
#include "dialogs/qt/cleanup_form.h"
#include "dialogs/qt/deleting_files_form.h"
#include "jobs/launcher.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_process_launcher.h"
#include "platform/fake/fake_user_interaction.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_mount_table.h"
#include "tests/file_probes.h"
#include "tests/temp_dir.h"

namespace orvo {
namespace {

using test::isLink;
using test::pathExists;

class CleanupDiskTest : public ::testing::Test {
protected:
    CleanupDiskTest() : folder(root.path() + "a b$(touch X);'c/"), outside(root.path() + "outside/") {
        for (const char* name : {"paper.tex", "paper.aux", "paper.log", "PAPER.LOG", "notes.auxx", "old.log.bak",
                                 "keep.tex", "chapter/ch.aux", "chapter/ch.log", ".hidden/h.log"})
            root.write("a b$(touch X);'c/" + std::string(name), "x");
        for (const char* name : {"target.log", "x.aux", "x.log"}) root.write("outside/" + std::string(name), "x");
        EXPECT_EQ(::symlink((outside + "target.log").c_str(), (folder + "outside.log").c_str()), 0);
        EXPECT_EQ(::symlink(outside.c_str(), (folder + "elsewhere").c_str()), 0);
        EXPECT_EQ(::symlink(folder.c_str(), (root.path() + "route").c_str()), 0);
        w.mainPath = folder;
        w.MainFileName = "paper.tex";
        w.CleanupFiles = "*.aux;*.log;*.tex";
        form.attach(dialog);
    }
    ~CleanupDiskTest() override {
        delete window;
        ::chdir(startFolder.c_str());
    }

    QListWidget* list() { return form.findChild<QListWidget*>("CheckListBox1"); }
    void tick(int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(row)).center());
    }
    std::set<std::string> hitLines() const {
        std::set<std::string> lines;
        if (!window) return lines;
        for (const QString& line : window->findChild<QPlainTextEdit*>("Memo1")->toPlainText().split('\n'))
            lines.insert(line.toStdString());
        return lines;
    }
    // Nothing ran the folder's name: no "X" anywhere a shell would have made it.
    void expectNoX() {
        for (const std::string& where : {root.path(), folder, outside, startFolder})
            EXPECT_FALSE(pathExists(where + "X")) << where;
    }

    std::string startFolder = test::currentFolder();
    test::TempDir root;
    const std::string folder;
    const std::string outside;
    LinuxFileSystem files;
    LinuxMountTable mounts;
    FakeProcessLauncher processes;
    FakeOtherWindows windows;
    FakeUserInteraction ui;
    Workbench w;
    Launcher launcher {w, {processes, windows, files, ui}};
    QPointer<DeletingFilesForm> window;
    DeleteFiles engine {w,
                        {files, mounts,
                         [this]() -> DeletingFilesView& {
                             delete window;
                             window = new DeletingFilesForm;
                             return *window;
                         },
                         [] {
                             QCoreApplication::processEvents();
                             return false;
                         },
                         [] { return false; }}};
    std::optional<std::string> chosenFolder;
    CleanupForm form;
    CleanupDialog dialog {w, form,
                          {ui, launcher, engine, [this](const std::string&, const std::string&) { return chosenFolder; }}};
};

TEST_F(CleanupDiskTest, DeletesExactlyTheFilesThatMatchTheTickedMasks) {
    dialog.open();
    form.show();
    EXPECT_EQ(test::currentFolder(), folder) << "the main folder is the current folder";
    tick(0);
    tick(1);
    QTest::mouseClick(form.findChild<QCheckBox*>("CheckBox1"), Qt::LeftButton);
    QTest::mouseClick(form.findChild<QPushButton*>("Button2"), Qt::LeftButton);

    const std::vector<std::string> gone = {"paper.aux", "paper.log", "PAPER.LOG", "outside.log", "chapter/ch.aux",
                                           "chapter/ch.log"};
    for (const std::string& name : gone) EXPECT_FALSE(pathExists(folder + name) || isLink(folder + name)) << name;
    for (const char* name : {"paper.tex", "notes.auxx", "old.log.bak", "keep.tex", ".hidden/h.log"})
        EXPECT_TRUE(pathExists(folder + name)) << name;
    EXPECT_TRUE(isLink(folder + "elsewhere")) << "a linked folder is not entered";
    for (const char* name : {"target.log", "x.aux", "x.log"}) EXPECT_TRUE(pathExists(outside + name)) << name;
    expectNoX();

    std::set<std::string> expected = {"", kDoneLine};
    for (const std::string& name : gone) expected.insert(folder + name);
    EXPECT_EQ(hitLines(), expected);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->findChild<QPushButton*>("Button1")->isEnabled()) << "OK closes it once the search ended";
}

TEST_F(CleanupDiskTest, TheMainFileStaysAlsoWhenTheFolderIsReachedByALink) {
    dialog.open();
    chosenFolder = root.path() + "route/";
    QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    tick(2);
    QTest::mouseClick(form.findChild<QPushButton*>("Button2"), Qt::LeftButton);
    EXPECT_TRUE(pathExists(folder + "paper.tex"));
    EXPECT_FALSE(pathExists(folder + "keep.tex"));
    EXPECT_EQ(hitLines(), (std::set<std::string> {root.path() + "route/keep.tex",
                                                  root.path() + "route/paper.tex" + kNotDeletedMark, "", kDoneLine}));
    expectNoX();
}

}  // namespace
}  // namespace orvo
