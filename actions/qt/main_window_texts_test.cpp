// The main window's texts bound to its real controls, switched between the
// shipped languages.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "actions/qt/main_window.h"
#include "core/window_texts.h"
#include "tests/shipped_data.h"

namespace orvo {
namespace {

QString line(const std::vector<std::string>& lines, int number) { return QString::fromStdString(lines[number]); }

TEST(QtTextTarget, MainWindowTakesEachLanguagesTextsAndGivesThemBack) {
    MainWindow window;
    WindowTexts texts("TForm1", window.textTarget());
    ASSERT_GE(texts.bindings().size(), 20u) << "the window's labels, pages, buttons and hints are bound";
    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    for (const char* file : {"DE.SCR", "US.SCR"}) {
        std::vector<std::string> lines = shippedLines(file);
        texts.apply(lines, "WESTERN", false);
        EXPECT_EQ(window.windowTitle(), line(lines, 1)) << file;
        EXPECT_EQ(pages->tabText(0), line(lines, 2)) << file;
        EXPECT_EQ(pages->tabText(3), line(lines, 5)) << file;
        EXPECT_EQ(window.findChild<QPushButton*>("BitBtnQuit")->text(), line(lines, 6)) << file;
        EXPECT_EQ(window.findChild<QPushButton*>("BitBtnQuit")->toolTip(), line(lines, 7)) << file;
        EXPECT_EQ(window.findChild<QLabel*>("Label1")->text(), line(lines, 23)) << file;
        EXPECT_EQ(window.findChild<QWidget*>("Edit1")->toolTip(), line(lines, 24)) << file;
        EXPECT_EQ(window.findChild<QGroupBox*>("GroupBoxScreenOptions")->title(), line(lines, 61)) << file;
        EXPECT_EQ(window.findChild<QPushButton*>("Button9")->toolTip(), line(lines, 75)) << file;
        for (const TextBinding& binding : texts.bindings())
            EXPECT_EQ(window.textTarget().controlText(binding), lines[std::stoul(binding.texts[1])])
                << file << " " << binding.control;
    }
    EXPECT_EQ(window.property("orvoCharset").toInt(), 0);
}

}  // namespace
}  // namespace orvo
