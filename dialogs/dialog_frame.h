#pragma once
// The steps every utility dialog takes as it opens, becomes active and
// closes: its place and size, the main window's stay-on-top style given up
// while it is open, the open dialog number, and its size factors kept.
#include "dialogs/dialog_context.h"
#include "dialogs/dialog_placement.h"

namespace orvo {

class DialogFrame {
public:
    // `kept`: the dialog stays made after it closes and is shown again at
    // its next use; otherwise it is made anew.
    DialogFrame(DialogContext& context, DialogDesign design, bool kept);

    // Where and how large the dialog opens; the main window stops staying on
    // top of it.
    DialogGeometry opening();
    // The dialog became the active window.
    void activated();
    // The dialog closes at this size.
    void closing(int width, int height);

    const DialogDesign& design() const { return design_; }
    DialogContext& context() { return context_; }
    const DialogContext& context() const { return context_; }

private:
    DialogContext& context_;
    DialogDesign design_;
    bool kept_;
};

}  // namespace orvo
