#include "actions/qt/main_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "actions/qt/action_button.h"
#include "actions/qt/action_control_filter.h"

namespace orvo {
namespace {

constexpr int kHelpMenuContext = 10;
// Controls with help of their own; the others take the page's.
constexpr char kHelpContextProperty[] = "helpContext";
constexpr int kSpellLanguageButtonContext = 520;
constexpr int kEditorButtonsContext = 540;
constexpr int kHorizontalSpeedbarContext = 1700;

QString withoutMnemonic(QString text) {
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.trimmed();
}

std::vector<std::string> localFiles(const QMimeData* data) {
    std::vector<std::string> paths;
    if (!data) return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    }
    return paths;
}

}  // namespace

void MainWindow::TextTarget::suspendRedraw(bool suspended) {
    QtTextTarget::suspendRedraw(suspended);
    if (!suspended) window_->syncAccessibleNames();
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("TForm1");
    setWindowTitle("Orvo");
    setAcceptDrops(true);
    filter_ = new ActionControlFilter(this, [this](QWidget* control, ButtonRole role, MenuAnchor at) {
        activated(control, role, at);
    });
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    pages_ = new QTabWidget(central);
    pages_->setObjectName("PageControl1");
    pages_->addTab(buildMainMenuPage(), "Main menu");
    pages_->addTab(buildOutputPage(), "Output");
    pages_->addTab(buildUtilitiesPage(), "Utilities");
    pages_->addTab(buildOptionsPage(), "Options");
    layout->addWidget(pages_);
    for (auto [name, context] : {std::pair {"BitBtn8", kSpellLanguageButtonContext},
                                 std::pair {"BitBtn9", kEditorButtonsContext},
                                 std::pair {"BitBtn3", kEditorButtonsContext}})
        findChild<QWidget*>(name)->setProperty(kHelpContextProperty, context);
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == int(MainPage::Output)) outputActions_->findChild<QPushButton*>("Button2")->setFocus();
        if (onPageChanged && index >= 0) onPageChanged(MainPage(index));
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    help_ = new QPushButton("&Help", central);
    help_->setObjectName("BitBtnHelp");
    help_->setToolTip("Start Orvo help");
    quit_ = new QPushButton("&Quit", central);
    quit_->setObjectName("BitBtnQuit");
    quit_->setToolTip("Quit Orvo");
    buttons->addWidget(help_);
    buttons->addWidget(quit_);
    layout->addLayout(buttons);
    setCentralWidget(central);

    auto* helpMenu = new QMenu(this);
    helpMenu->setObjectName("PopupMenuHelp");
    QAction* helpItem = helpMenu->addAction("Help");
    helpItem->setObjectName("Help1");
    QAction* aboutItem = helpMenu->addAction("About");
    aboutItem->setObjectName("About1");
    QAction* debugItem = helpMenu->addAction("Debug");
    debugItem->setObjectName("Debug1");
    connect(helpItem, &QAction::triggered, this, [this] {
        if (onHelp) onHelp(kHelpMenuContext);
    });
    connect(aboutItem, &QAction::triggered, this, [this] {
        if (onAbout) onAbout();
    });
    connect(debugItem, &QAction::triggered, this, [this] {
        if (onDebug) onDebug();
    });
    connect(help_, &QPushButton::clicked, this, [this, helpMenu] {
        helpMenu->exec(help_->mapToGlobal(QPoint(0, help_->height())));
    });
    connect(quit_, &QPushButton::clicked, this, [this] {
        if (onQuit) onQuit();
        else close();
    });
    setReadingTabOrder();
    syncAccessibleNames();
}

// Tab follows what a reader of the window meets, not the order in which the
// controls happen to be built: the page tabs, the page's fields with their
// browse buttons, its action buttons, then Help and Quit. The controls of
// the pages not shown are passed over.
void MainWindow::setReadingTabOrder() {
    QWidget* previous = pages_->tabBar();
    auto follow = [&previous](QWidget* control) {
        setTabOrder(previous, control);
        previous = control;
    };
    for (QWidget* control : readingOrder_) follow(control);
    follow(help_);
    follow(quit_);
}

QLineEdit* MainWindow::addField(QGridLayout* grid, int row, const FieldNames& names, MainControl control,
                                std::optional<MainControl> buttonControl) {
    const QString& labelName = names.label;
    const QString& label = names.caption;
    const QString& name = names.field;
    const QString& buttonName = names.button;
    auto* caption = new QLabel(label);
    caption->setObjectName(labelName);
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setToolTip(names.fieldHint);
    field->setReadOnly(true);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setMinimumWidth(220);
    caption->setBuddy(field);
    labels_[field] = caption;
    controls_[field] = control;
    filter_->addField(field);
    readingOrder_.push_back(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    if (!buttonName.isEmpty()) {
        auto* browse = new QToolButton;
        browse->setObjectName(buttonName);
        browse->setText("...");
        browse->setToolTip(names.buttonHint);
        browse->setFocusPolicy(Qt::StrongFocus);
        controls_[browse] = buttonControl.value_or(control);
        filter_->addButton(browse);
        readingOrder_.push_back(browse);
        grid->addWidget(browse, row, 2);
    }
    return field;
}

QPushButton* MainWindow::addActionButton(QGroupBox* group, const QString& name, const QString& caption,
                                         MainControl control) {
    auto* button = new ActionButton(caption, group);
    button->setObjectName(name);
    button->setAutoDefault(false);
    controls_[button] = control;
    filter_->addActionButton(button);
    readingOrder_.push_back(button);
    group->layout()->addWidget(button);
    return button;
}

QWidget* MainWindow::buildMainMenuPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    auto* layout = new QHBoxLayout(page);
    auto* grid = new QGridLayout;
    mainFile_ = addField(grid, 0,
                         {"Label1", "&Main file", "Edit1", "Main TeX file: click to choose, right-click for recent files",
                          "BitBtn1", "Choose Main TeX file"},
                         MainControl::MainFile);
    currentFile_ = addField(grid, 1,
                            {"Label2", "C&urrent file", "Edit2",
                             "File being edited, if not the main file: click to choose, right-click for recent files",
                             "BitBtn2", "Choose current file"},
                            MainControl::CurrentFile);
    choices_[ChoiceField::Format] =
        addField(grid, 2,
                 {"Label3", "&Format", "Edit4", "TeX format used to compile the main file: click to choose", "BitBtn4",
                  "Choose a (La)TeX format"},
                 MainControl::FormatField, MainControl::FormatButton);
    choices_[ChoiceField::Editor] = addField(grid, 3,
                                             {"Label4", "Editor for TeX f&iles", "EditEditor",
                                              "Editor for TeX files: click to choose", "BitBtn3",
                                              "Choose editor for TeX files"},
                                             MainControl::Editor);
    grid->setRowStretch(4, 1);
    layout->addLayout(grid, 1);

    auto* actions = new QGroupBox("Actions");
    actions->setObjectName("GroupBox1");
    new QVBoxLayout(actions);
    addActionButton(actions, "Button5", "&Compile", MainControl::Compile)->setToolTip("Compile main TeX file");
    addActionButton(actions, "Button1", "&Preview", MainControl::Preview)->setToolTip("Show DVI output using $s");
    addActionButton(actions, "Button3", "P&rint", MainControl::Print)->setToolTip("Print DVI output using $s");
    addActionButton(actions, "SpeedButton5", "Edit &log file", MainControl::LogFile)->setToolTip("Edit the log file");
    addActionButton(actions, "Button6", "&Edit", MainControl::Edit)
        ->setToolTip("Edit the main TeX file (and the current file)");
    addActionButton(actions, "Button8", "&Spell-check", MainControl::SpellCheck)
        ->setToolTip("Check the spelling of the current file or the main file");
    static_cast<QVBoxLayout*>(actions->layout())->addStretch();
    layout->addWidget(actions);
    return page;
}

QWidget* MainWindow::buildOutputPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");
    auto* layout = new QHBoxLayout(page);
    auto* grid = new QGridLayout;
    choices_[ChoiceField::Viewer] =
        addField(grid, 0,
                 {"Label5", "Pre&viewer", "Edit7", "DVI previewer: click to choose", "BitBtn7",
                  "Choose previewer type"},
                 MainControl::Previewer);
    choices_[ChoiceField::Printer] =
        addField(grid, 1,
                 {"Label6", "Printer t&ype", "Edit3", "Printer driver: click to choose", "BitBtn6",
                  "Choose printer type"},
                 MainControl::PrinterType);
    choices_[ChoiceField::PrinterPort] =
        addField(grid, 2,
                 {"Label7", "Print &destination", "Edit6",
                  "Port, file or script that receives the printer output: click to choose", "BitBtn5",
                  "Choose print destination"},
                 MainControl::PrintDestination);
    // The printer options are typed: the one free text field of the window.
    auto* caption = new QLabel("Printer opt&ions");
    caption->setObjectName("Label8");
    auto* options = new QLineEdit;
    options->setObjectName("Edit9");
    options->setToolTip("Options passed to the printer driver");
    caption->setBuddy(options);
    labels_[options] = caption;
    readingOrder_.push_back(options);
    grid->addWidget(caption, 3, 0);
    grid->addWidget(options, 3, 1, 1, 2);
    choices_[ChoiceField::PrinterOptions] = options;
    grid->setRowStretch(4, 1);
    layout->addLayout(grid, 1);

    outputActions_ = new QGroupBox("Actions");
    outputActions_->setObjectName("GroupBox2");
    new QVBoxLayout(outputActions_);
    addActionButton(outputActions_, "Button2", "&Preview", MainControl::Preview)->setToolTip("Show DVI output ");
    addActionButton(outputActions_, "Button4", "P&rint", MainControl::Print)->setToolTip("Print DVI output");
    addActionButton(outputActions_, "RxSpeedButton2", "Edit &log file", MainControl::LogFile)
        ->setToolTip("Edit the log file");
    static_cast<QVBoxLayout*>(outputActions_->layout())->addStretch();
    layout->addWidget(outputActions_);
    return page;
}

QWidget* MainWindow::buildUtilitiesPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet3");
    auto* grid = new QGridLayout(page);
    choices_[ChoiceField::BibTeXEditor] =
        addField(grid, 0,
                 {"Label9", "&BibTeX editor", "Edit8", "Editor for the BibTeX database: click to choose", "BitBtn9",
                  "Choose editor for BibTeX file"},
                 MainControl::BibTeXEditor);
    choices_[ChoiceField::SpellLanguage] =
        addField(grid, 1,
                 {"Label10", "&Spelling language", "edit5", "Language for spell-checking: click to choose", "BitBtn8",
                  "Choose language for spell-checking"},
                 MainControl::SpellLanguage);
    auto* caption = new QLabel("Available &utilities");
    caption->setObjectName("Label11");
    utilities_ = new QListWidget;
    utilities_->setObjectName("ListBox1");
    utilities_->setToolTip("Click a utility to start it");
    caption->setBuddy(utilities_);
    labels_[utilities_] = caption;
    readingOrder_.push_back(utilities_);
    grid->addWidget(caption, 2, 0, 1, 3);
    grid->addWidget(utilities_, 3, 0, 1, 3);
    grid->setRowStretch(3, 1);
    auto run = [this](QListWidgetItem* item) {
        if (!item) return;
        std::string value = item->data(Qt::UserRole).toString().toStdString();
        utilities_->clearSelection();
        if (onUtility) onUtility(value);
    };
    connect(utilities_, &QListWidget::itemClicked, this, run);
    connect(utilities_, &QListWidget::itemActivated, this, [this, run](QListWidgetItem* item) {
        // Enter on an entry; a click already ran it.
        if (item && item->isSelected()) run(item);
    });
    return page;
}

QCheckBox* MainWindow::addOption(QGridLayout* grid, int row, int column, const QString& name, const QString& caption,
                                 ProgramOption option) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    options_[option] = box;
    readingOrder_.push_back(box);
    grid->addWidget(box, row, column);
    connect(box, &QCheckBox::toggled, this, [this, option](bool on) {
        if (onOption) onOption(option, on);
    });
    return box;
}

QWidget* MainWindow::buildOptionsPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet4");
    auto* layout = new QHBoxLayout(page);

    auto* screenOptions = new QGroupBox("Screen options");
    screenOptions->setObjectName("GroupBoxScreenOptions");
    auto* grid = new QGridLayout(screenOptions);
    auto* caption = new QLabel("Interface lan&guage");
    caption->setObjectName("Label12");
    languages_ = new QComboBox;
    languages_->setObjectName("ComboBox1");
    languages_->setToolTip("Language of menus, buttons and messages");
    caption->setBuddy(languages_);
    labels_[languages_] = caption;
    readingOrder_.push_back(languages_);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(languages_, 0, 1);
    addOption(grid, 1, 0, "CheckBox4", "&Stay on top", ProgramOption::StayOnTop)
        ->setToolTip("Keep the Orvo window above all other windows");

    auto* full = new QRadioButton("&Full menu");
    full->setObjectName("RadioButton1");
    full->setChecked(true);
    full->setToolTip("Show the full window with all pages");
    // The speedbar face comes with the speedbar layouts.
    auto* speedbar = new QRadioButton("Spee&dbar");
    speedbar->setObjectName("RadioButton2");
    speedbar->setEnabled(false);
    speedbar->setToolTip("Shrink the window to a bar of ten buttons");
    readingOrder_.insert(readingOrder_.end(), {full, speedbar});
    auto* faces = new QButtonGroup(screenOptions);
    faces->addButton(full);
    faces->addButton(speedbar);
    grid->addWidget(full, 2, 0);
    grid->addWidget(speedbar, 2, 1);

    auto* layoutCaption = new QLabel("Speedbar la&yout");
    layoutCaption->setObjectName("Label13");
    auto* layouts = new QComboBox;
    layouts->setObjectName("ComboBox3");
    layouts->setToolTip("Orientation and screen corner of the speedbar");
    layoutCaption->setBuddy(layouts);
    labels_[layouts] = layoutCaption;
    auto* text = new QRadioButton("Te&xt");
    text->setObjectName("RadioButton3");
    text->setChecked(true);
    auto* icons = new QRadioButton("&Icons");
    icons->setObjectName("RadioButton4");
    readingOrder_.insert(readingOrder_.end(), {layouts, text, icons});
    auto* looks = new QButtonGroup(screenOptions);
    looks->addButton(text);
    looks->addButton(icons);
    grid->addWidget(layoutCaption, 3, 0);
    grid->addWidget(layouts, 3, 1);
    grid->addWidget(text, 4, 0);
    grid->addWidget(icons, 4, 1);
    // The layout choices belong to the speedbar and show only with it.
    for (QWidget* speedbarOnly : std::initializer_list<QWidget*> {layoutCaption, layouts, text, icons}) {
        speedbarOnly->setVisible(false);
        connect(speedbar, &QRadioButton::toggled, speedbarOnly, &QWidget::setVisible);
    }

    auto* apply = new QPushButton("A&pply");
    apply->setObjectName("Button9");
    apply->setToolTip("Apply selected screen options");
    readingOrder_.push_back(apply);
    grid->addWidget(apply, 5, 1, Qt::AlignRight);
    grid->setRowStretch(6, 1);
    connect(apply, &QPushButton::clicked, this, [this] {
        if (onApplyScreenOptions) onApplyScreenOptions();
    });
    layout->addWidget(screenOptions, 1);

    auto* program = new QGroupBox("Program options");
    program->setObjectName("GroupBox3");
    auto* programGrid = new QGridLayout(program);
    addOption(programGrid, 0, 0, "CheckBox1", "Gra&b console output", ProgramOption::GrabConsoleOutput);
    addOption(programGrid, 1, 0, "CheckBox2", "Always show &console screen", ProgramOption::AlwaysShowConsole);
    addOption(programGrid, 2, 0, "CheckBox3", "Replace &virtual fonts", ProgramOption::ReplaceVirtualFonts);
    addOption(programGrid, 3, 0, "CheckBox5", "Use gradient  in &window caption", ProgramOption::GradientCaption);
    addOption(programGrid, 4, 0, "CheckBox6", "Show on tas&kbar", ProgramOption::ShowOnTaskBar);
    addOption(programGrid, 5, 0, "CheckBox7", "Show on taskt&ray", ProgramOption::ShowOnTaskTray);
    programGrid->setRowStretch(6, 1);
    layout->addWidget(program, 1);
    return page;
}

void MainWindow::activated(QWidget* control, ButtonRole role, MenuAnchor at) {
    auto found = controls_.find(control);
    if (found != controls_.end() && onActivate) onActivate(found->second, role, at);
}

void MainWindow::syncAccessibleNames() {
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        QString name = withoutMnemonic(button->text());
        // A browse button ("...") is named by what it does.
        if (name.isEmpty() || name == "...") name = withoutMnemonic(button->toolTip());
        button->setAccessibleName(name);
    }
    for (QGroupBox* group : findChildren<QGroupBox*>()) group->setAccessibleName(withoutMnemonic(group->title()));
    for (auto [control, label] : labels_) control->setAccessibleName(withoutMnemonic(label->text()));
    for (int i = 0; i < pages_->count(); ++i) pages_->widget(i)->setAccessibleName(withoutMnemonic(pages_->tabText(i)));
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

void MainWindow::setSpeedbarMode(bool speedbar, bool vertical) {
    // The speedbar itself is still to come; its mode already hides the pages.
    horizontalSpeedbar_ = speedbar && !vertical;
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

// The place is the frame's, as moveTo() takes it; the size is the window's
// own, as resizeTo() takes it, so the size ratio saved at quit gives the same
// window at the next start instead of one grown by the frame each time.
WindowGeometry MainWindow::geometry() const {
    QRect frame = frameGeometry();
    return {frame.x(), frame.y(), width(), height(), !pages_->isVisibleTo(this)};
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

std::optional<int> MainWindow::popUpMenu(const std::vector<std::string>& items, MenuAnchor at) {
    QMenu menu(this);
    menu.setObjectName("PopupMenuHistory");
    std::vector<QAction*> actions;
    for (const std::string& item : items) actions.push_back(menu.addAction(QString::fromStdString(item)));
    QAction* chosen = menu.exec(QPoint(at.x, at.y));
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (actions[i] == chosen) return int(i);
    }
    return std::nullopt;
}

std::string MainWindow::hint(HintedButtons buttons) const {
    const char* name = buttons == HintedButtons::Preview ? "Button1" : "Button3";
    return findChild<QPushButton*>(name)->toolTip().toStdString();
}

void MainWindow::setHints(HintedButtons buttons, const std::string& text) {
    bool preview = buttons == HintedButtons::Preview;
    for (const char* name : {preview ? "Button1" : "Button3", preview ? "Button2" : "Button4"})
        findChild<QPushButton*>(name)->setToolTip(QString::fromStdString(text));
}

void MainWindow::showOption(ProgramOption option, bool on) {
    QCheckBox* box = options_.at(option);
    QSignalBlocker quiet(box);
    box->setChecked(on);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && onWindowActivated) onWindowActivated();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        if (onClose) onClose();
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths = localFiles(event->mimeData());
    if (paths.empty()) return;
    event->acceptProposedAction();
    if (onDrop) onDrop(paths);
}

int MainWindow::helpContextAt(const QWidget* control) const {
    for (const QWidget* widget = control; widget && widget != this; widget = widget->parentWidget()) {
        int context = widget->property(kHelpContextProperty).toInt();
        if (context > 0) return context;
    }
    return horizontalSpeedbar_ ? kHorizontalSpeedbarContext : helpContext_;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && onHelp) {
        onHelp(helpContextAt(focusWidget()));
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace orvo
