#pragma once
// The main window "TForm1": four pages with the fields that show the
// workbench's choices. It only shows state and forwards the user's actions.
#include <QMainWindow>
#include <functional>
#include <map>

#include "core/main_window_view.h"
#include "core/qt/qt_text_target.h"

class QComboBox;
class QGridLayout;
class QListWidget;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace orvo {

class MainWindow : public QMainWindow, public MainWindowView {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Called once when the window closes, whatever closed it.
    std::function<void()> onClose;
    // The "Quit" button: records the position, then closes.
    std::function<void()> onQuit;
    // The screen options' "Apply" button.
    std::function<void()> onApplyScreenOptions;

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

    int helpContext() const { return helpContext_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildMainMenuPage();
    QWidget* buildOutputPage();
    QWidget* buildUtilitiesPage();
    QWidget* buildOptionsPage();
    QLineEdit* addField(QGridLayout* grid, int row, const QString& labelName, const QString& label,
                        const QString& name, const QString& buttonName = {});

    QTabWidget* pages_ = nullptr;
    QLineEdit* mainFile_ = nullptr;
    QLineEdit* currentFile_ = nullptr;
    std::map<ChoiceField, QLineEdit*> choices_;
    QPushButton* quit_ = nullptr;
    QPushButton* help_ = nullptr;
    QListWidget* utilities_ = nullptr;
    QComboBox* languages_ = nullptr;
    QtTextTarget textTarget_ {this};
    int helpContext_ = 0;
    bool closed_ = false;
};

}  // namespace orvo
