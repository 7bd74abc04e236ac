#include "jobs/qt/console_form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "jobs/console_shown_line.h"
#include "jobs/console_window.h"
#include "jobs/qt/console_lines_model.h"
#include "jobs/qt/console_list_view.h"

namespace orvo {
namespace {

constexpr int kPanelHeight = 38;
constexpr int kButtonMargin = 8;
constexpr int kConsoleHelpContext = 15;

bool isEndOfInputKey(const QKeyEvent* key) {
    return key->modifiers().testFlag(Qt::ControlModifier) && (key->key() == Qt::Key_Z || key->key() == Qt::Key_D);
}

}  // namespace

ConsoleForm::ConsoleForm(QWidget* parent) : QWidget(parent) {
    setObjectName("Tform16");
    setWindowTitle("Messages");
    // A tool window without title-bar buttons: while a job runs, HALT is the way out.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(kConsoleDesignWidth, kConsoleDesignHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    list_ = new ConsoleListView(this);
    list_->setObjectName("LB");
    list_->setFocusPolicy(Qt::NoFocus);
    // Lines in the window's background colour with black text.
    QPalette colours = list_->palette();
    colours.setColor(QPalette::Base, palette().color(QPalette::Window));
    colours.setColor(QPalette::Text, Qt::black);
    list_->setPalette(colours);
    layout->addWidget(list_, 1);

    panel_ = new QFrame(this);
    panel_->setObjectName("Panel1");
    panel_->setFixedHeight(kPanelHeight);
    auto* row = new QHBoxLayout(panel_);
    row->setContentsMargins(kButtonMargin, 0, kButtonMargin, 0);
    inputLabel_ = new QLabel("Input", panel_);
    inputLabel_->setObjectName("Label1");
    QFont bold = inputLabel_->font();
    bold.setBold(true);
    inputLabel_->setFont(bold);
    input_ = new QLineEdit(panel_);
    input_->setObjectName("Edit1");
    inputLabel_->setBuddy(input_);
    input_->installEventFilter(this);
    halt_ = new QPushButton("HALT", panel_);
    halt_->setObjectName("ButtonHalt");
    halt_->setToolTip("Stop the running job");
    halt_->hide();
    close_ = new QPushButton("Close", panel_);
    close_->setObjectName("Button1");
    close_->hide();
    row->addWidget(inputLabel_);
    row->addWidget(input_, 1);
    row->addWidget(halt_);
    row->addWidget(close_);
    layout->addWidget(panel_);

    refresh_.setSingleShot(true);
    refresh_.setInterval(kRefreshMs);
    connect(&refresh_, &QTimer::timeout, this, &ConsoleForm::refreshOutput);
}

ConsoleForm::~ConsoleForm() = default;

void ConsoleForm::attach(ConsoleWindow& logic) {
    logic_ = &logic;
    model_ = new ConsoleLinesModel(logic.output(), this);
    list_->setModel(model_);
    connect(input_, &QLineEdit::returnPressed, this, [this] { logic_->submitInput(input_->text().toStdString()); });
    connect(close_, &QPushButton::clicked, this, [this] { logic_->close(); });
    connect(halt_, &QPushButton::clicked, this, [this] { logic_->submitInput("HALT"); });
}

void ConsoleForm::showWindow() {
    show();
    raise();
    activateWindow();
}

void ConsoleForm::runModal(const std::function<void()>& shown) {
    // Modality takes effect when a window is shown, not while it is up.
    if (isVisible()) hide();
    setWindowModality(Qt::ApplicationModal);
    showWindow();
    shown();
    if (isVisible()) {
        QEventLoop loop;
        modalLoop_ = &loop;
        loop.exec();
        modalLoop_ = nullptr;
    }
    setWindowModality(Qt::NonModal);
}

void ConsoleForm::endModal() {
    if (modalLoop_) modalLoop_->quit();
}

void ConsoleForm::hideWindow() {
    hide();
    endModal();
}

void ConsoleForm::setCloseButtonVisible(bool visible) { close_->setVisible(visible); }

void ConsoleForm::setJobRunning(bool running) { halt_->setVisible(running); }

void ConsoleForm::focusInput() { input_->setFocus(); }

void ConsoleForm::clearInput() { input_->clear(); }

void ConsoleForm::outputChanged() {
    if (!refresh_.isActive()) refresh_.start();
}

void ConsoleForm::setOutputFont(const std::string& family, int pointSize) {
    QFont font(QString::fromStdString(family), pointSize > 0 ? pointSize : -1);
    // A family that is not installed is replaced by a fixed-pitch one.
    font.setStyleHint(QFont::TypeWriter);
    list_->setFont(font);
}

ConsoleGeometry ConsoleForm::geometry() const { return {x(), y(), width(), height()}; }

void ConsoleForm::moveTo(int x, int y) { move(x, y); }

void ConsoleForm::resizeTo(int width, int height) { resize(width, height); }

void ConsoleForm::refreshOutput() {
    if (!model_) return;
    model_->catchUp();
    list_->setLongestLine(shownLength(logic_->output().longestLine()));
    // The last line is the current one: the list always shows the end.
    list_->scrollToBottom();
}

bool ConsoleForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && logic_) logic_->activated();
    return QWidget::event(event);
}

bool ConsoleForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == input_ && logic_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        isEndOfInputKey(static_cast<QKeyEvent*>(event))) {
        // Ctrl+Z is not "undo" here: it ends the job's input, as Ctrl+D does.
        if (event->type() == QEvent::KeyPress) logic_->endOfInput();
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ConsoleForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && onHelp) {
        onHelp(kConsoleHelpContext);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ConsoleForm::closeEvent(QCloseEvent* event) {
    // Closed by the window manager: as the Close button.
    if (logic_) logic_->close();
    event->accept();
}

void ConsoleForm::moveEvent(QMoveEvent* event) {
    if (logic_ && isVisible()) logic_->windowMoved(x(), y());
    QWidget::moveEvent(event);
}

}  // namespace orvo
