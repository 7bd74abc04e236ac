#include "dialogs/qt/run_form.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/command_words.h"
#include "core/startup.h"
#include "platform/user_interaction.h"

namespace orvo {
namespace {

// The window as designed on the 800 x 600 design screen.
constexpr DialogDesign kRunDesign {kRunDialogNumber, 420, 150};

// Its lines in the UI-string file.
constexpr int kIntroLine = 338;
constexpr int kOpenLine = 339;
constexpr int kOkLine = 340;
constexpr int kCancelLine = 341;
constexpr int kBrowseLine = 342;
constexpr int kLineHintLine = 343;
constexpr int kCaptionLine = 344;
constexpr int kAllFilesEntry = 17;  // of MessageTexts

}  // namespace

RunForm::RunForm(DialogContext& context, QWidget* parent)
    : UtilityDialogForm(context, kRunDesign, false, parent), run_(context) {
    auto* grid = new QGridLayout(this);
    intro_ = new QLabel(this);
    intro_->setObjectName("Label1");
    intro_->setWordWrap(true);
    caption_ = new QLabel(this);
    caption_->setObjectName("Label2");
    line_ = new QLineEdit(this);
    line_->setObjectName("Edit1");
    caption_->setBuddy(line_);
    ok_ = new QPushButton(this);
    ok_->setObjectName("BitBtn1");
    ok_->setDefault(true);  // Enter in the line presses it
    cancel_ = new QPushButton(this);
    cancel_->setObjectName("BitBtn2");
    browse_ = new QPushButton(this);
    browse_->setObjectName("BitBtn3");
    grid->addWidget(intro_, 0, 0, 1, 2);
    grid->addWidget(caption_, 1, 0);
    grid->addWidget(line_, 1, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    buttons->addButton(browse_, QDialogButtonBox::ActionRole);
    grid->addWidget(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setTabOrder(line_, ok_);
    setTabOrder(ok_, cancel_);
    setTabOrder(cancel_, browse_);

    connect(ok_, &QPushButton::clicked, this, &RunForm::openLine);
    connect(cancel_, &QPushButton::clicked, this, &RunForm::reject);
    connect(browse_, &QPushButton::clicked, this, &RunForm::browse);
    applyTexts();
}

void RunForm::applyTexts() {
    setWindowTitle(uiText(kCaptionLine, "Run"));
    intro_->setText(uiText(kIntroLine, "Type the name of a program, folder, document or internet address."));
    caption_->setText(uiText(kOpenLine, "&Open:"));
    ok_->setText(uiText(kOkLine, "OK"));
    cancel_->setText(uiText(kCancelLine, "Cancel"));
    browse_->setText(uiText(kBrowseLine, "&Browse"));
    line_->setToolTip(uiText(kLineHintLine, "Program, folder, document or internet address to open"));
    line_->setAccessibleName(caption_->text().remove('&'));
}

void RunForm::openLine() {
    if (run_.run(line_->text().toStdString())) accept();
}

void RunForm::browse() {
    FileDialogRequest request;
    request.title = browse_->text().remove('&').toStdString();
    request.filter = Startup::messageText(context().workbench, kAllFilesEntry, "All files") + " (*)|*";
    if (auto chosen = context().ui.chooseFile(request)) line_->setText(QString::fromStdString(quoteWordIfNeeded(*chosen)));
}

}  // namespace orvo
