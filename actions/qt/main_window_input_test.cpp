// Every way of pressing the main window's action buttons, offscreen on the
// real window wired to its logic as the application wires it: the
// accessible press action, the mnemonic, Space, Enter and the left or middle
// mouse button start the button's job once; the right mouse button, the
// menu keys and the accessible show-menu action its alternative once.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QTest>

#include "actions/main_window_logic.h"
#include "actions/qt/main_window.h"
#include "core/window_texts.h"
#include "core/workbench.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/event_wait.h"
#include "tests/fake_actions.h"
#include "tests/recording_ports.h"
#include "tests/shipped_data.h"

namespace orvo {
namespace {

enum class Input {
    AccessiblePress,
    Mnemonic,
    Space,
    Enter,
    LeftRelease,
    MiddleRelease,
    // The alternative's inputs.
    RightRelease,
    MenuKey,
    ShiftF10,
    AccessibleShowMenu,
};
constexpr Input kInputs[] = {Input::AccessiblePress, Input::Mnemonic,     Input::Space,   Input::Enter,
                             Input::LeftRelease,     Input::MiddleRelease, Input::RightRelease,
                             Input::MenuKey,         Input::ShiftF10,      Input::AccessibleShowMenu};

bool runsTheAlternative(Input input) { return input >= Input::RightRelease; }

const char* nameOf(Input input) {
    switch (input) {
        case Input::AccessiblePress: return "accessible press";
        case Input::Mnemonic: return "mnemonic";
        case Input::Space: return "Space";
        case Input::Enter: return "Enter";
        case Input::LeftRelease: return "left release";
        case Input::MiddleRelease: return "middle release";
        case Input::RightRelease: return "right release";
        case Input::MenuKey: return "menu key";
        case Input::ShiftF10: return "Shift+F10";
        case Input::AccessibleShowMenu: return "accessible show menu";
    }
    return "";
}

class MainWindowInputTest : public testing::Test {
protected:
    MainWindowInputTest() {
        w.mainPath = "/docs/";
        w.MainFileName = "paper.tex";
        w.mainHistory = {"/old/x.tex", "/docs/paper.tex"};
        w.languageFiles.viewers = "/l/US_VIEW.LST";
        files.addFile("/l/US_VIEW.LST", "xdvi\nxdvi\n");
        files.addFile("/docs/paper.tex");
        logic.hooks.edit = [this] { hooks.push_back("edit"); };
        logic.hooks.showConsole = [this] { hooks.push_back("showConsole"); };
        window.onActivate = [this](MainControl control, ButtonRole role, MenuAnchor at) {
            logic.activate(control, role, at);
        };
        window.show();
        window.activateWindow();
        windowActive = QTest::qWaitForWindowActive(&window);
    }

    // What the logic started: jobs, hooks, the chooser, pop-up menus and file dialogs.
    std::vector<std::string> started() const {
        std::vector<std::string> all = jobs.calls;
        all.insert(all.end(), hooks.begin(), hooks.end());
        all.insert(all.end(), chooser.requests.size(), "chooser");
        all.insert(all.end(), menus.menus.size(), "menu");
        all.insert(all.end(), ui.fileDialogs.size(), "fileDialog");
        return all;
    }
    void forget() {
        jobs.calls.clear();
        hooks.clear();
        chooser.requests.clear();
        menus.menus.clear();
        ui.fileDialogs.clear();
        w.jobs.compileBusy = false;
    }

    void press(QAbstractButton* button, Input input) {
        QAccessibleActionInterface* accessible = QAccessible::queryAccessibleInterface(button)->actionInterface();
        switch (input) {
            case Input::AccessiblePress: return accessible->doAction(QAccessibleActionInterface::pressAction());
            case Input::AccessibleShowMenu: return accessible->doAction(QAccessibleActionInterface::showMenuAction());
            case Input::Mnemonic: {
                QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
                ASSERT_FALSE(mnemonic.isEmpty()) << button->text().toStdString();
                return QTest::keyClick(&window, mnemonic[0].key(), mnemonic[0].keyboardModifiers());
            }
            case Input::Space: return QTest::keyClick(button, Qt::Key_Space);
            case Input::Enter: return QTest::keyClick(button, Qt::Key_Return);
            case Input::MenuKey: return QTest::keyClick(button, Qt::Key_Menu);
            case Input::ShiftF10: return QTest::keyClick(button, Qt::Key_F10, Qt::ShiftModifier);
            case Input::LeftRelease: return QTest::mouseClick(button, Qt::LeftButton);
            case Input::MiddleRelease: return QTest::mouseClick(button, Qt::MiddleButton);
            case Input::RightRelease: return QTest::mouseClick(button, Qt::RightButton);
        }
    }

    // Presses and waits until the work started and the button is up again:
    // a mnemonic clicks after showing the button down for a moment, and a
    // second run would have been queued by then.
    std::vector<std::string> startedBy(QAbstractButton* button, Input input) {
        forget();
        press(button, input);
        test::waitWithEvents([&] { return !started().empty() && !button->isDown(); }, 5000);
        QCoreApplication::processEvents();
        return started();
    }

    Workbench w;
    MainWindow window;
    FakeActionsView menus;
    FakeChooserView chooser;
    FakeFileSystem files;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    FakeJobActions jobs;
    std::vector<std::string> hooks;
    StartedUtilityDialogs dialogs {hooks};
    NullMainWindowShell shell;
    MainWindowLogic logic {w, window, menus, chooser, {files, ui, desktop, dialogs, shell, &jobs}};
    bool windowActive = false;
};

TEST_F(MainWindowInputTest, EachInputRunsTheActionOrItsAlternativeExactlyOnceInEachLanguage) {
    ASSERT_TRUE(windowActive) << "mnemonics work in the active window only";
    struct Row {
        const char* button;
        MainPage page;
        std::string action;
        std::string alternative;
    };
    const Row rows[] = {
        {"Button5", MainPage::MainMenu, "compile", "blockCompile"},
        {"Button1", MainPage::MainMenu, "preview", "chooser"},
        {"Button3", MainPage::MainMenu, "print", "printerOptions"},
        {"SpeedButton5", MainPage::MainMenu, "openLogFile", "showConsole"},
        {"Button6", MainPage::MainMenu, "edit", "menu"},
        {"Button2", MainPage::Output, "preview", "chooser"},
        {"Button4", MainPage::Output, "print", "printerOptions"},
        {"RxSpeedButton2", MainPage::Output, "openLogFile", "showConsole"},
    };
    WindowTexts texts("TForm1", window.textTarget());
    for (const char* language : {"US.SCR", "DE.SCR"}) {
        texts.apply(shippedLines(language), "WESTERN");
        for (const Row& row : rows) {
            window.selectPage(row.page);
            auto* button = window.findChild<QPushButton*>(row.button);
            ASSERT_NE(button, nullptr) << row.button;
            for (Input input : kInputs) {
                const std::string& expected = runsTheAlternative(input) ? row.alternative : row.action;
                EXPECT_EQ(startedBy(button, input), std::vector<std::string> {expected})
                    << language << " " << row.button << " " << button->text().toStdString() << ": " << nameOf(input);
            }
        }
    }
}

TEST_F(MainWindowInputTest, ABrowseButtonChoosesOnceForTheAccessiblePressAndTheKeysAndMouse) {
    struct Row {
        const char* button;
        MainPage page;
        std::string action;
    };
    const Row rows[] = {
        {"BitBtn1", MainPage::MainMenu, "fileDialog"},
        {"BitBtn7", MainPage::Output, "chooser"},
    };
    for (const Row& row : rows) {
        window.selectPage(row.page);
        auto* button = window.findChild<QAbstractButton*>(row.button);
        ASSERT_NE(button, nullptr) << row.button;
        for (Input input : {Input::AccessiblePress, Input::Space, Input::LeftRelease}) {
            EXPECT_EQ(startedBy(button, input), std::vector<std::string> {row.action})
                << row.button << ": " << nameOf(input);
        }
    }
}

TEST_F(MainWindowInputTest, TheAccessibleInterfaceOffersBothActionsWithTheirKeys) {
    auto* compile = window.findChild<QPushButton*>("Button5");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(compile);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), "Compile");
    EXPECT_EQ(accessible->text(QAccessible::Accelerator).toStdString(),
              QKeySequence("Alt+C").toString(QKeySequence::NativeText).toStdString());
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    auto joined = [](const QStringList& list) { return list.join(' ').toStdString(); };
    const QString press = QAccessibleActionInterface::pressAction();
    const QString showMenu = QAccessibleActionInterface::showMenuAction();
    EXPECT_EQ(joined(actions->actionNames().mid(0, 2)), joined({press, showMenu}));
    EXPECT_EQ(joined(actions->keyBindingsForAction(press)), "Alt+C");
    EXPECT_EQ(joined(actions->keyBindingsForAction(showMenu)), "Shift+F10 Menu");

    compile->setEnabled(false);
    EXPECT_FALSE(actions->actionNames().contains(press));
    forget();
    actions->doAction(press);
    actions->doAction(showMenu);
    QCoreApplication::processEvents();
    EXPECT_TRUE(started().empty()) << "a disabled button does nothing";
}

}  // namespace
}  // namespace orvo
