// The main window's wiring, offscreen: its pages, its fields, what the
// logic's calls show, and how its controls read the mouse and the keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QLineEdit>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

#include "actions/qt/main_window.h"
#include "core/window_texts.h"
#include "tests/shipped_data.h"

namespace orvo {
namespace {

TEST(MainWindow, HasTheFourPagesWithTheirCaptions) {
    MainWindow window;
    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i) captions << pages->tabText(i);
    EXPECT_EQ(captions, (QStringList {"Main menu", "Output", "Utilities", "Options"}));
    window.selectPage(MainPage::Options);
    EXPECT_EQ(pages->currentIndex(), 3);
}

TEST(MainWindow, ShowsFilesAndChoicesInTheirNamedFields) {
    MainWindow window;
    window.showMainFile("/docs/paper.tex");
    window.showCurrentFile("/docs/chap1.tex");
    window.showChoice(ChoiceField::Viewer, "xdvi (.dvi)");
    struct Case {
        const char* name;
        const char* accessible;
        QString text;
    };
    for (const Case& c : {Case {"Edit1", "Main file", "/docs/paper.tex"}, Case {"Edit2", "Current file", "/docs/chap1.tex"},
                          Case {"Edit7", "Previewer", "xdvi (.dvi)"}}) {
        auto* field = window.findChild<QLineEdit*>(c.name);
        ASSERT_NE(field, nullptr) << c.name;
        EXPECT_EQ(field->text(), c.text) << c.name;
        EXPECT_EQ(field->accessibleName(), c.accessible) << c.name;
    }
}

TEST(MainWindow, QuitRunsTheQuitActionAndClosingRunsTheShutDownOnce) {
    MainWindow window;
    int quits = 0, closes = 0;
    window.onQuit = [&] {
        ++quits;
        window.close();
    };
    window.onClose = [&] { ++closes; };
    window.show();
    window.findChild<QPushButton*>("BitBtnQuit")->click();
    window.close();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(closes, 1);
}

TEST(MainWindow, ItsSizeReadsBackAsItWasSetSoTheSavedRatioKeepsIt) {
    orvo::MainWindow window;
    window.show();
    QSize wanted = window.minimumSizeHint() + QSize(40, 30);
    window.resizeTo(wanted.width(), wanted.height());
    QCoreApplication::processEvents();
    orvo::WindowGeometry geometry = window.geometry();
    EXPECT_EQ(geometry.width, wanted.width());
    EXPECT_EQ(geometry.height, wanted.height());
}

TEST(MainWindow, SpeedbarModeHidesThePagesAndReportsIt) {
    MainWindow window;
    window.show();
    EXPECT_FALSE(window.geometry().tabPagesHidden);
    window.setSpeedbarMode(true, false);
    EXPECT_TRUE(window.geometry().tabPagesHidden);
    EXPECT_FALSE(window.findChild<QPushButton*>("BitBtnQuit")->isVisible());
}

}  // namespace
}  // namespace orvo

namespace orvo {
namespace {

// The main window with its activations recorded.
class MainWindowWiringTest : public testing::Test {
protected:
    struct Activation {
        MainControl control;
        ButtonRole role;
        bool operator==(const Activation&) const = default;
    };

    MainWindowWiringTest() {
        window.onActivate = [this](MainControl control, ButtonRole role, MenuAnchor) {
            activations.push_back({control, role});
        };
        window.show();
    }

    template <typename T = QWidget>
    T* control(const char* name) {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void mouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint at) {
        QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    // Press over the control's centre, release at `releaseAt` (its centre when not given).
    void click(const char* name, Qt::MouseButton button, std::optional<QPoint> releaseAt = {}) {
        QWidget* target = control(name);
        mouse(target, QEvent::MouseButtonPress, button, target->rect().center());
        mouse(target, QEvent::MouseButtonRelease, button, releaseAt.value_or(target->rect().center()));
        QCoreApplication::processEvents();
    }
    void key(const char* name, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(control(name), &event);
        QCoreApplication::processEvents();
    }

    MainWindow window;
    std::vector<Activation> activations;
};

TEST_F(MainWindowWiringTest, MouseButtonsActOnReleaseOverTheSameControl) {
    using A = ButtonRole;
    click("Button5", Qt::LeftButton);
    click("Button5", Qt::RightButton);
    click("Button1", Qt::MiddleButton);
    click("Button3", Qt::LeftButton, QPoint(-5, -5));  // released outside: nothing
    click("Button4", Qt::RightButton, QPoint(500, 500));
    click("RxSpeedButton2", Qt::RightButton);
    click("Edit1", Qt::RightButton);
    click("BitBtn4", Qt::LeftButton);
    click("Edit4", Qt::LeftButton);
    EXPECT_EQ(activations, (std::vector<Activation> {{MainControl::Compile, A::Action},
                                                     {MainControl::Compile, A::Alternative},
                                                     {MainControl::Preview, A::Action},
                                                     {MainControl::LogFile, A::Alternative},
                                                     {MainControl::MainFile, A::Alternative},
                                                     {MainControl::FormatButton, A::Action},
                                                     {MainControl::FormatField, A::Action}}));
}

TEST_F(MainWindowWiringTest, LosingTheFocusBetweenPressAndReleaseCancelsTheAction) {
    QWidget* compile = control("Button5");
    mouse(compile, QEvent::MouseButtonPress, Qt::LeftButton, compile->rect().center());
    QFocusEvent focusOut(QEvent::FocusOut);
    QApplication::sendEvent(compile, &focusOut);
    mouse(compile, QEvent::MouseButtonRelease, Qt::LeftButton, compile->rect().center());
    QCoreApplication::processEvents();
    EXPECT_TRUE(activations.empty());
}

TEST_F(MainWindowWiringTest, KeysStandForTheMouseButtons) {
    using A = ButtonRole;
    key("Button8", Qt::Key_Space);
    key("Button6", Qt::Key_Return);
    key("Button3", Qt::Key_F10, Qt::ShiftModifier);
    key("Button1", Qt::Key_Menu);
    key("Button1", Qt::Key_A);      // no action key for a button
    key("Edit2", Qt::Key_Menu);
    key("Edit6", Qt::Key_X);        // any key opens a choice field's chooser
    key("Edit6", Qt::Key_Tab);      // but the focus keys move on
    key("BitBtn8", Qt::Key_Space);
    EXPECT_EQ(activations, (std::vector<Activation> {{MainControl::SpellCheck, A::Action},
                                                     {MainControl::Edit, A::Action},
                                                     {MainControl::Print, A::Alternative},
                                                     {MainControl::Preview, A::Alternative},
                                                     {MainControl::CurrentFile, A::Alternative},
                                                     {MainControl::PrintDestination, A::Action},
                                                     {MainControl::SpellLanguage, A::Action}}));
}

TEST_F(MainWindowWiringTest, F1AsksForTheHelpOfTheFocusedControlOrElseOfThePage) {
    std::vector<int> asked;
    window.onHelp = [&](int context) { asked.push_back(context); };
    struct Case {
        MainPage page;
        const char* control;
        int context;
    };
    const Case cases[] = {
        {MainPage::MainMenu, "Button5", 200},   {MainPage::MainMenu, "Edit4", 200},
        {MainPage::MainMenu, "BitBtn3", 540},   {MainPage::Output, "Edit7", 300},
        {MainPage::Utilities, "Edit8", 400},    {MainPage::Utilities, "BitBtn9", 540},
        {MainPage::Utilities, "edit5", 400},    {MainPage::Utilities, "BitBtn8", 520},
        {MainPage::Utilities, "ListBox1", 400}, {MainPage::Options, "ComboBox1", 500},
    };
    for (const Case& c : cases) {
        asked.clear();
        window.selectPage(c.page);
        window.setHelpContext(int(c.page) * 100 + 200);  // as the logic does for each page
        control(c.control)->setFocus();
        key(c.control, Qt::Key_F1);
        EXPECT_EQ(asked, std::vector<int> {c.context}) << c.control;
    }
    EXPECT_TRUE(activations.empty()) << "F1 in a choice field opens no chooser";
}

TEST_F(MainWindowWiringTest, TheHorizontalSpeedbarHasHelpOfItsOwnAndTheHelpMenuTheContents) {
    std::vector<int> asked;
    window.onHelp = [&](int context) { asked.push_back(context); };
    auto f1 = [this] {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    };
    control("Button5")->setFocus();
    window.setHelpContext(300);
    window.setSpeedbarMode(true, false);
    f1();
    window.setSpeedbarMode(true, true);
    f1();
    window.setSpeedbarMode(false, false);
    f1();
    window.findChild<QAction*>("Help1")->trigger();
    EXPECT_EQ(asked, (std::vector<int> {1700, 300, 300, 10}));
}

TEST_F(MainWindowWiringTest, EveryControlIsNamedByItsCaptionOrLabelInEachLanguage) {
    struct Case {
        const char* control;
        QString us;
        QString de;
    };
    const Case cases[] = {
        {"Button5", "Compile", "Kompilieren"},
        {"Edit1", "Main file", "Hauptdatei"},
        {"BitBtn1", "Choose Main TeX file", "TeX-Hauptdatei auswählen"},
        {"Edit9", "Printer options", QString()},
        {"ListBox1", "Available utilities", QString()},
        {"CheckBox4", "Stay on top", QString()},
        {"GroupBox1", "Actions", "Aktionen"},
    };
    for (const Case& c : cases) EXPECT_EQ(control(c.control)->accessibleName(), c.us) << c.control;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        bool named = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                     qobject_cast<QComboBox*>(widget) || qobject_cast<QListWidget*>(widget);
        // The tab bar's own scroll buttons are Qt's, named by Qt.
        bool ours = !widget->objectName().isEmpty() && !widget->objectName().startsWith("Scroll");
        if (named && ours) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
        }
    }

    WindowTexts texts("TForm1", window.textTarget());
    texts.apply(shippedLines("DE.SCR"), "WESTERN");
    for (const Case& c : cases) {
        if (!c.de.isEmpty()) {
            EXPECT_EQ(control(c.control)->accessibleName(), c.de) << c.control;
        }
    }
}

TEST_F(MainWindowWiringTest, HintsOfBothPagesAndTheProgramOptions) {
    window.setHints(HintedButtons::Print, "Print DVI output using dvips");
    EXPECT_EQ(control("Button3")->toolTip(), "Print DVI output using dvips");
    EXPECT_EQ(control("Button4")->toolTip(), "Print DVI output using dvips");
    EXPECT_EQ(window.hint(HintedButtons::Preview), "Show DVI output using $s");

    std::vector<std::pair<ProgramOption, bool>> changes;
    window.onOption = [&](ProgramOption option, bool on) { changes.emplace_back(option, on); };
    window.showOption(ProgramOption::GrabConsoleOutput, true);  // shown, not reported
    EXPECT_TRUE(control<QCheckBox>("CheckBox1")->isChecked());
    control<QCheckBox>("CheckBox4")->click();
    EXPECT_EQ(changes, (std::vector<std::pair<ProgramOption, bool>> {{ProgramOption::StayOnTop, true}}));
}

TEST_F(MainWindowWiringTest, DroppedFilesAndPagesAreReported) {
    std::vector<std::string> dropped;
    window.onDrop = [&](const std::vector<std::string>& paths) { dropped = paths; };
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/docs/a b.tex"), QUrl::fromLocalFile("/docs/c.tex")});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_EQ(dropped, (std::vector<std::string> {"/docs/a b.tex", "/docs/c.tex"}));

    std::vector<MainPage> pages;
    window.onPageChanged = [&](MainPage page) { pages.push_back(page); };
    window.selectPage(MainPage::Output);
    EXPECT_EQ(pages, std::vector<MainPage> {MainPage::Output});
}

}  // namespace
}  // namespace orvo
