#pragma once
// The console window "Messages" (Tform16): the output list above, the input
// row below. It shows what the console's logic decides and forwards the
// user's actions to it.
#include <QTimer>
#include <QWidget>
#include <functional>

#include "jobs/console_view.h"

class QEventLoop;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvo {

class ConsoleLinesModel;
class ConsoleListView;
class ConsoleWindow;

class ConsoleForm : public QWidget, public ConsoleView {
    Q_OBJECT
public:
    explicit ConsoleForm(QWidget* parent = nullptr);
    ~ConsoleForm() override;

    // Connects the window to its logic, whose output list it shows.
    void attach(ConsoleWindow& logic);
    // F1: help for the console's context.
    std::function<void(int)> onHelp;

    void showWindow() override;
    void runModal(const std::function<void()>& shown) override;
    void endModal() override;
    void hideWindow() override;
    bool isShown() const override { return isVisible(); }
    void setCloseButtonVisible(bool visible) override;
    void setJobRunning(bool running) override;
    void focusInput() override;
    void clearInput() override;
    void outputChanged() override;
    void setOutputFont(const std::string& family, int pointSize) override;
    ConsoleGeometry geometry() const override;
    void moveTo(int x, int y) override;
    void resizeTo(int width, int height) override;

    // How long new output may wait before the list shows it: one refresh
    // takes all lines that arrived meanwhile.
    static constexpr int kRefreshMs = 30;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void refreshOutput();

    ConsoleWindow* logic_ = nullptr;
    ConsoleLinesModel* model_ = nullptr;
    ConsoleListView* list_ = nullptr;
    QFrame* panel_ = nullptr;
    QLabel* inputLabel_ = nullptr;
    QLineEdit* input_ = nullptr;
    QPushButton* halt_ = nullptr;
    QPushButton* close_ = nullptr;
    QTimer refresh_;
    QEventLoop* modalLoop_ = nullptr;
};

}  // namespace orvo
