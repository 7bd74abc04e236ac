#include "dialogs/qt/cleanup_window.h"

#include "core/workbench.h"

namespace orvo {
namespace {

// The window as designed on the 800 x 600 design screen.
constexpr DialogDesign kCleanupDesign {kCleanupDialogNumber, 360, 300};

}  // namespace

CleanupWindow::CleanupWindow(DialogContext& context, DeleteFiles& deleteFiles, FolderChooser chooseFolder,
                             QWidget* parent)
    : frame_(context, kCleanupDesign, false),
      form_(new CleanupForm(parent)),
      logic_(context.workbench, *form_, {context.ui, context.launcher, deleteFiles, std::move(chooseFolder)}) {
    form_->attach(logic_);
    applyTexts();
    // Closing hands the window back to the set, which lets it go: nothing
    // here is touched after that.
    QObject::connect(form_, &QDialog::finished, form_, [this] {
        if (!shown_) return;
        shown_ = false;
        frame_.closing(form_->width(), form_->height());
    });
}

CleanupWindow::~CleanupWindow() {
    if (form_) form_->deleteLater();
}

void CleanupWindow::showWindow() {
    if (!shown_) {
        shown_ = true;
        const DialogGeometry at = frame_.opening();
        form_->resize(at.width, at.height);
        form_->move(at.x, at.y);
        logic_.open();
    }
    form_->show();
    form_->raise();
    form_->activateWindow();
}

void CleanupWindow::applyTexts() {
    const Workbench& w = frame_.context().workbench;
    form_->applyTexts(w.uiStrings, w.charsetName);
}

}  // namespace orvo
