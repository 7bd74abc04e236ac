// Texts bound to real Qt controls: the control kinds a dialog may bind, and
// the controls of a window it owns left alone.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/qt/qt_text_target.h"
#include "core/window_texts.h"

namespace orvo {
namespace {

TEST(QtTextTarget, BindsTheControlKindsOfADialog) {
    QDialog dialog;
    dialog.setObjectName("TFormT");
    dialog.setWindowTitle("Designed");
    auto* layout = new QVBoxLayout(&dialog);
    auto* group = new QGroupBox("Pages", &dialog);
    group->setObjectName("RadioGroup1");
    auto* groupLayout = new QVBoxLayout(group);
    for (const char* text : {"All", "Range"}) groupLayout->addWidget(new QRadioButton(text, group));
    auto* combo = new QComboBox(&dialog);
    combo->setObjectName("ComboBox1");
    combo->addItems({"First", "Second"});
    auto* action = new QAction("Open", &dialog);
    action->setObjectName("Open1");
    auto* tabs = new QTabWidget(&dialog);
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    tabs->addTab(page, "General");
    layout->addWidget(group);
    layout->addWidget(combo);
    layout->addWidget(tabs);

    using K = UiTextKind;
    const std::vector<UiTextEntry> index = {
        {1, "TFormT", "TFormT", K::Caption, -1},     {2, "TFormT", "RadioGroup1", K::Caption, -1},
        {3, "TFormT", "RadioGroup1", K::Item, 1},    {4, "TFormT", "ComboBox1", K::Item, 0},
        {5, "TFormT", "ComboBox1", K::Hint, -1},     {6, "TFormT", "Open1", K::Caption, -1},
        {7, "TFormT", "TabSheet1", K::Caption, -1},  {8, "TFormT", "ComboBox1", K::Item, 5},
        {9, "TFormT", "-", K::Message, 0},
    };
    QtTextTarget target(&dialog);
    WindowTexts texts("TFormT", target, index);
    EXPECT_EQ(texts.bindings().size(), 7u) << "the sixth combo item does not exist";
    texts.apply({"X+RUSSIAN", "Titel", "Seiten", "Bereich", "Erste", "Wählen", "Öffnen", "Allgemein", "-", "Meldung"},
                "RUSSIAN");
    EXPECT_EQ(dialog.windowTitle(), "Titel");
    EXPECT_EQ(group->title(), "Seiten");
    EXPECT_EQ(group->findChildren<QRadioButton*>()[1]->text(), "Bereich");
    EXPECT_EQ(combo->itemText(0), "Erste");
    EXPECT_EQ(combo->toolTip(), "Wählen");
    EXPECT_EQ(action->text(), "Öffnen");
    EXPECT_EQ(tabs->tabText(0), "Allgemein");
    EXPECT_EQ(target.messages(), std::vector<std::string> {"Meldung"});
    EXPECT_EQ(dialog.property("orvoCharset").toInt(), 204);
    EXPECT_TRUE(dialog.updatesEnabled());
}

TEST(QtTextTarget, LeavesTheControlsOfAWindowItOwnsAlone) {
    QDialog owner;
    owner.setObjectName("TFormT");
    auto* ownLabel = new QLabel("Own", &owner);
    ownLabel->setObjectName("Label1");
    // A tool window over the owner, its controls named as the owner's are.
    auto* tool = new QWidget(&owner, Qt::Tool);
    tool->setObjectName("Tform16");
    auto* toolButton = new QPushButton("Close", tool);
    toolButton->setObjectName("Button1");
    auto* toolLabel = new QLabel("Input", tool);
    toolLabel->setObjectName("Label1");
    ownLabel->setParent(nullptr);
    ownLabel->setParent(&owner);  // found after the tool window's label

    using K = UiTextKind;
    const std::vector<UiTextEntry> index = {{1, "TFormT", "Button1", K::Caption, -1},
                                            {2, "TFormT", "Label1", K::Caption, -1}};
    QtTextTarget target(&owner);
    WindowTexts texts("TFormT", target, index);
    EXPECT_EQ(texts.bindings().size(), 1u) << "the owner has no Button1";
    texts.apply({"X+WESTERN", "Preview", "Name"}, "WESTERN");
    EXPECT_EQ(toolButton->text(), "Close");
    EXPECT_EQ(toolLabel->text(), "Input");
    EXPECT_EQ(ownLabel->text(), "Name");
}

}  // namespace
}  // namespace orvo
