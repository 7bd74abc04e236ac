#pragma once
// The utility dialogs as the rest of the workbench reaches them: an entry of
// the utilities list, the printer options, the dialog a job came from, the
// dialog open over the main window, and the clean-up at quit.
#include <string>

namespace orvo {

class UtilityDialogs {
public:
    virtual ~UtilityDialogs() = default;
    // The value of an entry of the utilities list (a keyword or a command).
    virtual void dispatchUtility(const std::string& value) = 0;
    virtual void openPrinterOptions() = 0;
    // The dialog with this window number (2 to 21) back to the front after its job.
    virtual void bringToFront(int windowNumber) = 0;
    // The window now active over the main window (1 when the main window itself).
    virtual void setOpenDialogNumber(int windowNumber) = 0;
    // The files the quit deletes without a closing script; false stops the
    // rest of the shut-down's clean-up.
    virtual bool quitDeletion() = 0;
};

// No utility dialogs: their entries and buttons do nothing.
class NullUtilityDialogs : public UtilityDialogs {
public:
    void dispatchUtility(const std::string&) override {}
    void openPrinterOptions() override {}
    void bringToFront(int) override {}
    void setOpenDialogNumber(int) override {}
    bool quitDeletion() override { return true; }
};

}  // namespace orvo
