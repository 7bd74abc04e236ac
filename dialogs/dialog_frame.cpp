#include "dialogs/dialog_frame.h"

#include "core/job_state.h"
#include "core/main_window_shell.h"
#include "core/main_window_view.h"
#include "core/workbench.h"
#include "dialogs/utility_dialog_set.h"

namespace orvo {

DialogFrame::DialogFrame(DialogContext& context, DialogDesign design, bool kept)
    : context_(context), design_(design), kept_(kept) {}

DialogGeometry DialogFrame::opening() {
    if (context_.mainWindow.stayOnTop()) context_.mainWindow.setStayOnTop(false);
    context_.dialogs.setOpenDialogNumber(design_.number);
    return openingGeometry(context_.workbench, design_, context_.desktop.screenSize());
}

void DialogFrame::activated() { context_.dialogs.setOpenDialogNumber(design_.number); }

void DialogFrame::closing(int width, int height) {
    Workbench& w = context_.workbench;
    storeSizeFactors(w, design_, width, height, context_.desktop.screenSize());
    context_.dialogs.setOpenDialogNumber(kMainWindowNumber);
    if (w.StayOnTop) {
        context_.mainWindow.setStayOnTop(true);
        if (!w.Menubar) context_.shell.reapplyLayout();
    }
    context_.dialogs.closed(design_.number, kept_);
}

}  // namespace orvo
