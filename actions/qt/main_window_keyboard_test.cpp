// How the keyboard reaches the main window's controls in each shipped
// language: each label and button a page shows has a mnemonic no other
// control beside it has.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QTabWidget>
#include <algorithm>
#include <map>

#include "actions/qt/main_window.h"
#include "core/window_texts.h"
#include "tests/shipped_data.h"

namespace orvo {
namespace {

constexpr const char* kLanguages[] = {"US.SCR", "DE.SCR"};

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
