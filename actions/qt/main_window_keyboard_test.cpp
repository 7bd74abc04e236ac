// How the keyboard reaches the main window's controls in each shipped
// language: Tab runs through a page in reading order, and each label and
// button a page shows has a mnemonic no other control beside it has.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <map>

#include "actions/qt/main_window.h"
#include "core/window_texts.h"
#include "tests/shipped_data.h"

namespace orvo {
namespace {

constexpr const char* kLanguages[] = {"US.SCR", "DE.SCR"};

TEST(MainWindowKeyboard, TabFollowsEachPagesReadingOrder) {
    MainWindow window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    struct Case {
        MainPage page;
        QStringList order;  // after the page's tab, until the tab again
    };
    const QStringList helpAndQuit = {"BitBtnHelp", "BitBtnQuit"};
    const Case cases[] = {
        {MainPage::MainMenu,
         QStringList {"Edit1", "BitBtn1", "Edit2", "BitBtn2", "Edit4", "BitBtn4", "EditEditor", "BitBtn3", "Button5",
                      "Button1", "Button3", "SpeedButton5", "Button6", "Button8"} +
             helpAndQuit},
        {MainPage::Output,
         QStringList {"Edit7", "BitBtn7", "Edit3", "BitBtn6", "Edit6", "BitBtn5", "Edit9", "Button2", "Button4",
                      "RxSpeedButton2"} +
             helpAndQuit},
        {MainPage::Utilities, QStringList {"Edit8", "BitBtn9", "edit5", "BitBtn8", "ListBox1"} + helpAndQuit},
        // The speedbar's face is not offered yet, its layout choices are hidden.
        {MainPage::Options,
         QStringList {"ComboBox1", "CheckBox4", "RadioButton1", "Button9", "CheckBox1", "CheckBox2", "CheckBox3",
                      "CheckBox5", "CheckBox6", "CheckBox7"} +
             helpAndQuit},
    };
    for (const Case& c : cases) {
        window.selectPage(c.page);
        pages->tabBar()->setFocus(Qt::TabFocusReason);
        QStringList reached;
        for (int step = 0; step < 40 && QApplication::focusWidget() && reached.size() <= c.order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == pages->tabBar()) break;
            reached << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "(none)");
        }
        EXPECT_EQ(reached.join(' ').toStdString(), c.order.join(' ').toStdString()) << "page " << int(c.page);
        EXPECT_EQ(QApplication::focusWidget(), pages->tabBar())
            << "Tab comes round to the tabs on page " << int(c.page);
    }
}

// A text with its mnemonic as one control shows it.
struct Marked {
    std::string control;
    QString text;
};

// The labels and buttons among `widgets` that carry a word to mark. A browse
// button ("...") has none: Tab reaches it after its field.
void collectMarked(const QList<QWidget*>& widgets, std::vector<Marked>& marked) {
    for (QWidget* widget : widgets) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
        else continue;
        if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
            marked.push_back({widget->objectName().toStdString(), text});
    }
}

TEST(MainWindowKeyboard, EachLabelAndButtonOfAPageHasAMnemonicOfItsOwn) {
    for (const char* language : kLanguages) {
        MainWindow window;
        WindowTexts texts("TForm1", window.textTarget());
        texts.apply(shippedLines(language), "WESTERN");
        auto* pages = window.findChild<QTabWidget*>("PageControl1");
        ASSERT_NE(pages, nullptr);

        // Beside every page: the page tabs and whatever lies outside the pages.
        std::vector<Marked> everywhere;
        for (int i = 0; i < pages->count(); ++i)
            everywhere.push_back({"tab " + pages->widget(i)->objectName().toStdString(), pages->tabText(i)});
        QList<QWidget*> outside;
        for (QWidget* widget : window.findChildren<QWidget*>())
            if (!pages->isAncestorOf(widget)) outside << widget;
        collectMarked(outside, everywhere);

        for (int i = 0; i < pages->count(); ++i) {
            std::vector<Marked> shown = everywhere;
            collectMarked(pages->widget(i)->findChildren<QWidget*>(), shown);
            std::string where = std::string(language) + " page " + pages->widget(i)->objectName().toStdString() + ": ";
            std::map<QKeySequence, std::string> owners;
            for (const Marked& m : shown) {
                QKeySequence key = QKeySequence::mnemonic(m.text);
                if (key.isEmpty()) {
                    ADD_FAILURE() << where << m.control << " \"" << m.text.toStdString() << "\" has no mnemonic";
                    continue;
                }
                auto [owner, added] = owners.emplace(key, m.control);
                if (!added)
                    ADD_FAILURE() << where << m.control << " \"" << m.text.toStdString() << "\" has "
                                  << key.toString().toStdString() << " as " << owner->second << " has";
            }
            EXPECT_GT(shown.size(), everywhere.size()) << where << "the page's own controls are found";
        }
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (!QKeySequence::mnemonic(label->text()).isEmpty()) {
                EXPECT_NE(label->buddy(), nullptr)
                    << language << " " << label->objectName().toStdString() << ": its mnemonic reaches no control";
            }
        }
    }
}

}  // namespace
}  // namespace orvo
