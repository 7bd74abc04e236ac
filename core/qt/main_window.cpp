#include "core/qt/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvo {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("TForm1");
    setWindowTitle("Orvo");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    pages_ = new QTabWidget(central);
    pages_->setObjectName("PageControl1");
    pages_->addTab(buildMainMenuPage(), "Main menu");
    pages_->addTab(buildOutputPage(), "Output");
    pages_->addTab(buildUtilitiesPage(), "Utilities");
    pages_->addTab(buildOptionsPage(), "Options");
    layout->addWidget(pages_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    help_ = new QPushButton("Help", central);
    help_->setObjectName("BitBtnHelp");
    quit_ = new QPushButton("Quit", central);
    quit_->setObjectName("BitBtnQuit");
    buttons->addWidget(help_);
    buttons->addWidget(quit_);
    layout->addLayout(buttons);
    setCentralWidget(central);

    connect(quit_, &QPushButton::clicked, this, [this] {
        if (onQuit) onQuit();
        else close();
    });
}

QLineEdit* MainWindow::addField(QGridLayout* grid, int row, const QString& labelName, const QString& label,
                                const QString& name, const QString& buttonName) {
    auto* caption = new QLabel(label);
    caption->setObjectName(labelName);
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAccessibleName(QString(label).remove(QLatin1Char('&')));
    field->setMinimumWidth(260);
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    if (!buttonName.isEmpty()) {
        auto* browse = new QToolButton;
        browse->setObjectName(buttonName);
        browse->setText("...");
        browse->setAccessibleName(QString(label).remove(QLatin1Char('&')));
        browse->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(browse, row, 2);
    }
    return field;
}

QWidget* MainWindow::buildMainMenuPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    auto* grid = new QGridLayout(page);
    mainFile_ = addField(grid, 0, "Label1", "&Main file", "Edit1", "BitBtn1");
    currentFile_ = addField(grid, 1, "Label2", "C&urrent file", "Edit2", "BitBtn2");
    choices_[ChoiceField::Format] = addField(grid, 2, "Label3", "F&ormat", "Edit4", "BitBtn4");
    choices_[ChoiceField::Editor] = addField(grid, 3, "Label4", "Editor for TeX f&iles", "EditEditor", "BitBtn3");
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* MainWindow::buildOutputPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");
    auto* grid = new QGridLayout(page);
    choices_[ChoiceField::Viewer] = addField(grid, 0, "Label5", "Previewer", "Edit7", "BitBtn7");
    choices_[ChoiceField::Printer] = addField(grid, 1, "Label6", "Printer type", "Edit3", "BitBtn6");
    choices_[ChoiceField::PrinterPort] = addField(grid, 2, "Label7", "Print destination", "Edit6", "BitBtn5");
    choices_[ChoiceField::PrinterOptions] = addField(grid, 3, "Label8", "Printer options", "Edit9");
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* MainWindow::buildUtilitiesPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet3");
    auto* grid = new QGridLayout(page);
    choices_[ChoiceField::BibTeXEditor] = addField(grid, 0, "Label9", "BibTeX editor", "Edit8", "BitBtn9");
    choices_[ChoiceField::SpellLanguage] = addField(grid, 1, "Label10", "Spelling language", "edit5", "BitBtn8");
    auto* caption = new QLabel("Available utilities");
    caption->setObjectName("Label11");
    utilities_ = new QListWidget;
    utilities_->setObjectName("ListBox1");
    utilities_->setAccessibleName("Utilities");
    grid->addWidget(caption, 2, 0, 1, 3);
    grid->addWidget(utilities_, 3, 0, 1, 3);
    return page;
}

QWidget* MainWindow::buildOptionsPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet4");
    auto* layout = new QVBoxLayout(page);
    auto* screenOptions = new QGroupBox("Screen options");
    screenOptions->setObjectName("GroupBoxScreenOptions");
    auto* grid = new QGridLayout(screenOptions);
    auto* caption = new QLabel("Interface lan&guage");
    caption->setObjectName("Label12");
    languages_ = new QComboBox;
    languages_->setObjectName("ComboBox1");
    languages_->setAccessibleName("Interface language");
    caption->setBuddy(languages_);
    auto* apply = new QPushButton("&Apply");
    apply->setObjectName("Button9");
    apply->setToolTip("Apply selected screen options");
    grid->addWidget(caption, 0, 0);
    grid->addWidget(languages_, 0, 1);
    grid->addWidget(apply, 1, 1, Qt::AlignRight);
    connect(apply, &QPushButton::clicked, this, [this] {
        if (onApplyScreenOptions) onApplyScreenOptions();
    });
    layout->addWidget(screenOptions);
    layout->addStretch();
    return page;
}

void MainWindow::lockUpdates(bool locked) { setUpdatesEnabled(!locked); }

void MainWindow::selectPage(MainPage page) { pages_->setCurrentIndex(int(page)); }

void MainWindow::showMainFile(const std::string& path) { mainFile_->setText(QString::fromStdString(path)); }

void MainWindow::showCurrentFile(const std::string& path) { currentFile_->setText(QString::fromStdString(path)); }

void MainWindow::showChoice(ChoiceField field, const std::string& text) {
    auto it = choices_.find(field);
    if (it != choices_.end()) it->second->setText(QString::fromStdString(text));
}

std::string MainWindow::printerOptionsText() const {
    return choices_.at(ChoiceField::PrinterOptions)->text().toStdString();
}

void MainWindow::moveTo(int x, int y) { move(x, y); }

void MainWindow::resizeTo(int width, int height) {
    QSize wanted = QSize(width, height).expandedTo(minimumSizeHint());
    resize(wanted);
}

void MainWindow::setScreenFont(const std::string& family, int pointSize) {
    if (pointSize <= 0) return;
    QFont font(QString::fromStdString(family));
    font.setPointSize(pointSize);
    setFont(font);
}

void MainWindow::setResizable(bool resizable) {
    if (resizable) setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    else setFixedSize(size());
}

void MainWindow::setSpeedbarMode(bool speedbar, bool) {
    // The speedbar itself is still to come; its mode already hides the pages.
    pages_->setVisible(!speedbar);
    quit_->setVisible(!speedbar);
    help_->setVisible(!speedbar);
}

void MainWindow::setStayOnTop(bool stayOnTop) {
    if (this->stayOnTop() == stayOnTop) return;
    bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop);
    if (wasVisible) show();
}

bool MainWindow::stayOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

WindowGeometry MainWindow::geometry() const {
    QRect frame = frameGeometry();
    return {frame.x(), frame.y(), frame.width(), frame.height(), !pages_->isVisibleTo(this)};
}

void MainWindow::showLanguageChoice(const LanguageChoice& choice) {
    languages_->clear();
    for (const LanguageEntry& entry : choice.entries) languages_->addItem(QString::fromStdString(entry.name));
    languages_->setCurrentIndex(choice.selected);
}

int MainWindow::selectedLanguage() const { return languages_->currentIndex(); }

void MainWindow::showUtilities(const std::vector<ListPair>& utilities) {
    utilities_->clear();
    for (const ListPair& utility : utilities) {
        // The chooser and the utilities list show display texts trimmed.
        auto* item = new QListWidgetItem(QString::fromStdString(utility.display).trimmed(), utilities_);
        item->setData(Qt::UserRole, QString::fromStdString(utility.value));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        if (onClose) onClose();
    }
    event->accept();
}

}  // namespace orvo
