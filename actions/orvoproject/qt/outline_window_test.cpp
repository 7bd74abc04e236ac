// The outliner's window offscreen on a real document: it shows the outline
// of all three files, and a double click, Enter and the Open button's
// accessible press action start the recording editor on the entry's file
// and line.
#include "actions/orvoproject/qt/outline_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "actions/orvoproject/document_fixture.h"
#include "actions/orvoproject/outliner.h"
#include "platform/linux/linux_environment.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_process_launcher.h"
#include "platform/linux/regular_file.h"

namespace orvo {
namespace {

class OutlineWindowTest : public ::testing::Test {
protected:
    test::RecordedDocument document;
    LinuxFileSystem files;
    LinuxEnvironment environment;
    LinuxProcessLauncher processes;
    std::unique_ptr<Outliner> outliner;
    std::unique_ptr<OutlineWindow> window;

    QTreeWidget* show(const std::vector<std::string>& arguments) {
        auto read = [](const std::string& path, std::size_t limit) { return readRegularFile(path, limit); };
        outliner = std::make_unique<Outliner>(parseOutlinerArguments(arguments),
                                              OutlinerServices {files, environment, read, processes});
        outliner->load();
        window = std::make_unique<OutlineWindow>(*outliner);
        window->place();
        window->show();
        return window->findChild<QTreeWidget*>("outline");
    }

    // The entry of that title, searched through the whole tree.
    static QTreeWidgetItem* entry(QTreeWidget* tree, const QString& title) {
        QList<QTreeWidgetItem*> found = tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }

    // The editor's arguments once it has written them.
    std::vector<std::string> editorArguments() {
        // The press action clicks the button a moment later, from the event loop.
        if (!QTest::qWaitFor([this] { return test::pathExists(document.record); }, 10000)) return {};
        std::vector<std::string> lines;
        std::string text = document.dir.read("editor.args");
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    // Press, release, double click, release, as the desktop delivers them.
    static void doubleClick(QTreeWidget* tree, QTreeWidgetItem* item) {
        QPoint at = tree->visualItemRect(item).center();
        QPoint global = tree->viewport()->mapToGlobal(at);
        const std::pair<QEvent::Type, Qt::MouseButtons> steps[] = {{QEvent::MouseButtonPress, Qt::LeftButton},
                                                                   {QEvent::MouseButtonRelease, Qt::NoButton},
                                                                   {QEvent::MouseButtonDblClick, Qt::LeftButton},
                                                                   {QEvent::MouseButtonRelease, Qt::NoButton}};
        for (const auto& [type, buttons] : steps) {
            QMouseEvent event(type, at, global, Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(tree->viewport(), &event);
        }
    }
    QString status() const { return window->findChild<QLabel*>("status")->text(); }
};

TEST_F(OutlineWindowTest, ShowsTheOutlineOfAllThreeFilesNestedInDocumentOrder) {
    QTreeWidget* tree = show(document.arguments());
    ASSERT_TRUE(tree);
    EXPECT_EQ(window->windowTitle(), "Project outline: main.tex");
    EXPECT_EQ(tree->accessibleName(), "Outline of the document");
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    struct Row {
        QString title;
        QString parent;
        QString file;
        QString line;
    };
    const Row rows[] = {
        {"Introduction", "", "main.tex", "3"}, {"Aims", "Introduction", "main.tex", "4"},
        {"Methods", "", "ch1.tex", "2"},       {"Setup", "Methods", "ch1.tex", "3"},
        {"Tools", "Setup", "ch1.tex", "4"},    {"Results", "", "ch2.tex", "1"},
        {"Numbers", "Results", "ch2.tex", "2"}, {"Closing", "Results", "main.tex", "7"},
    };
    QStringList order;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) order << (*it)->text(0);
    EXPECT_EQ(order,
              (QStringList {"Introduction", "Aims", "Methods", "Setup", "Tools", "Results", "Numbers", "Closing"}));
    for (const Row& row : rows) {
        QTreeWidgetItem* item = entry(tree, row.title);
        ASSERT_TRUE(item) << row.title.toStdString();
        EXPECT_EQ(item->parent() ? item->parent()->text(0) : QString(), row.parent) << row.title.toStdString();
        EXPECT_EQ(item->text(2), row.file) << row.title.toStdString();
        EXPECT_EQ(item->text(3), row.line) << row.title.toStdString();
    }
    EXPECT_EQ(entry(tree, "Closing")->text(1), "\\section*");
    EXPECT_EQ(window->findChild<QLabel*>("notes")->text(),
              "ConfigFile has no section OrvoProject:LaTeX: its default marks are used.\nEntries: 8, files read: 3.");
    EXPECT_EQ(window->pos(), QPoint(40, 30));
}

TEST_F(OutlineWindowTest, ADoubleClickStartsTheEditorOnTheEntrysFileAndLine) {
    QTreeWidget* tree = show(document.arguments());
    QTreeWidgetItem* setup = entry(tree, "Setup");
    ASSERT_TRUE(setup);
    doubleClick(tree, setup);
    EXPECT_EQ(editorArguments(), (std::vector<std::string> {"+3", document.folder + "ch1.tex"}));
    EXPECT_EQ(status(), "ch1.tex, line 3: opened in the editor.");
}

TEST_F(OutlineWindowTest, EnterAndTheOpenButtonsPressActionOpenTheCurrentEntry) {
    QTreeWidget* tree = show(document.arguments());
    tree->setCurrentItem(entry(tree, "Closing"));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(editorArguments(), (std::vector<std::string> {"+7", document.main}));

    std::remove(document.record.c_str());
    tree->setCurrentItem(entry(tree, "Numbers"));
    auto* open = window->findChild<QPushButton*>("open");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(open);
    ASSERT_TRUE(accessible && accessible->actionInterface());
    EXPECT_TRUE(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(editorArguments(), (std::vector<std::string> {"+2", document.folder + "ch2.tex"}));
}

TEST_F(OutlineWindowTest, SpeaksGermanForDe) {
    QTreeWidget* tree = show(document.arguments("DE"));
    EXPECT_EQ(window->windowTitle(), "Projektgliederung: main.tex");
    EXPECT_EQ(tree->accessibleName(), "Gliederung des Dokuments");
    EXPECT_EQ(tree->headerItem()->text(0), "Eintrag");
    EXPECT_EQ(tree->headerItem()->text(3), "Zeile");
    EXPECT_EQ(window->findChild<QPushButton*>("open")->text(), QString::fromUtf8("Im &Editor öffnen"));
}

TEST_F(OutlineWindowTest, ABadCommandLineShowsWhyAndNothingToOpen) {
    QTreeWidget* tree = show({"-X=left", "-INIFILE=" + document.configFile});
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_FALSE(window->findChild<QPushButton*>("open")->isEnabled());
    QString notes = window->findChild<QLabel*>("notes")->text();
    EXPECT_TRUE(notes.contains("No main file was given")) << notes.toStdString();
    EXPECT_TRUE(notes.contains("-X=left")) << notes.toStdString();
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_FALSE(test::pathExists(document.record));
}

TEST_F(OutlineWindowTest, EscapeClosesTheWindow) {
    show(document.arguments());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace orvo
