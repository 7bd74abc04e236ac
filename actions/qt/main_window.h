#pragma once
// The main window "TForm1": four pages with the fields that show the
// workbench's choices and the action buttons. It only shows state and
// forwards the user's actions, each with the role its mouse button or key
// stands for.
#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "actions/actions_view.h"
#include "actions/main_window_logic.h"
#include "core/main_window_view.h"
#include "core/qt/qt_text_target.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace orvo {

class ActionControlFilter;

class MainWindow : public QMainWindow, public MainWindowView, public ActionsView {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Called once when the window closes, whatever closed it.
    std::function<void()> onClose;
    // The "Quit" button: records the position, then closes.
    std::function<void()> onQuit;
    // The screen options' "Apply" button.
    std::function<void()> onApplyScreenOptions;
    // An action button, a file field or a choice field was activated.
    std::function<void(MainControl, ButtonRole, MenuAnchor)> onActivate;
    // An entry of the utilities list was clicked: its value.
    std::function<void(const std::string&)> onUtility;
    std::function<void(const std::vector<std::string>&)> onDrop;
    std::function<void(MainPage)> onPageChanged;
    std::function<void(ProgramOption, bool)> onOption;
    // Help for a context (F1, the Help menu), the About box, the support report.
    std::function<void(int)> onHelp;
    std::function<void()> onAbout;
    std::function<void()> onDebug;
    // The window became the active window.
    std::function<void()> onWindowActivated;

    // MainWindowView
    void lockUpdates(bool locked) override;
    void selectPage(MainPage page) override;
    void setHelpContext(int context) override { helpContext_ = context; }
    void showMainFile(const std::string& path) override;
    void showCurrentFile(const std::string& path) override;
    void showChoice(ChoiceField field, const std::string& text) override;
    std::string printerOptionsText() const override;
    void moveTo(int x, int y) override;
    void resizeTo(int width, int height) override;
    void setScreenFont(const std::string& family, int pointSize) override;
    void setResizable(bool resizable) override;
    void setSpeedbarMode(bool speedbar, bool vertical) override;
    void setStayOnTop(bool stayOnTop) override;
    bool stayOnTop() const override;
    WindowGeometry geometry() const override;
    void showLanguageChoice(const LanguageChoice& choice) override;
    int selectedLanguage() const override;
    void showUtilities(const std::vector<ListPair>& utilities) override;
    TextBindingTarget& textTarget() override { return textTarget_; }

    // ActionsView
    std::optional<int> popUpMenu(const std::vector<std::string>& items, MenuAnchor at) override;
    std::string hint(HintedButtons buttons) const override;
    void setHints(HintedButtons buttons, const std::string& text) override;

    // The program options' boxes, without reporting a change.
    void showOption(ProgramOption option, bool on);
    int helpContext() const { return helpContext_; }
    // F1's context with the focus on `control`: the control's own help, the
    // horizontal speedbar's, or the page's.
    int helpContextAt(const QWidget* control) const;
    // Every control's accessible name from its caption, its label or, for a
    // browse button, its hint.
    void syncAccessibleNames();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The window's texts; after each change the accessible names follow.
    class TextTarget : public QtTextTarget {
    public:
        explicit TextTarget(MainWindow* window) : QtTextTarget(window), window_(window) {}
        void suspendRedraw(bool suspended) override;

    private:
        MainWindow* window_;
    };

    QWidget* buildMainMenuPage();
    QWidget* buildOutputPage();
    QWidget* buildUtilitiesPage();
    QWidget* buildOptionsPage();
    // A labelled field and its browse button, with their designed texts.
    struct FieldNames {
        QString label;
        QString caption;
        QString field;
        QString fieldHint;
        QString button;
        QString buttonHint;
    };
    QLineEdit* addField(QGridLayout* grid, int row, const FieldNames& names, MainControl control,
                        std::optional<MainControl> buttonControl = {});
    QPushButton* addActionButton(QGroupBox* group, const QString& name, const QString& caption, MainControl control);
    QCheckBox* addOption(QGridLayout* grid, int row, int column, const QString& name, const QString& caption,
                         ProgramOption option);
    void activated(QWidget* control, ButtonRole role, MenuAnchor at);
    void setReadingTabOrder();

    QTabWidget* pages_ = nullptr;
    QLineEdit* mainFile_ = nullptr;
    QLineEdit* currentFile_ = nullptr;
    std::map<ChoiceField, QLineEdit*> choices_;
    QPushButton* quit_ = nullptr;
    QPushButton* help_ = nullptr;
    QListWidget* utilities_ = nullptr;
    QComboBox* languages_ = nullptr;
    QGroupBox* outputActions_ = nullptr;
    std::map<ProgramOption, QCheckBox*> options_;
    std::map<QWidget*, MainControl> controls_;
    std::map<QWidget*, QLabel*> labels_;
    // The focusable controls of every page, each page in reading order.
    std::vector<QWidget*> readingOrder_;
    ActionControlFilter* filter_ = nullptr;
    TextTarget textTarget_ {this};
    int helpContext_ = 0;
    bool horizontalSpeedbar_ = false;
    bool closed_ = false;
};

}  // namespace orvo
