#pragma once
// The utility dialogs as one set: each is made on its first use and shown
// without blocking the main window, the one active over the main window is
// brought back when the main window is activated, and each dialog a job came
// from is brought back at the job's end. Entries of the utilities list run
// through the dispatcher; a keyword opens its dialog here.
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "actions/utility_dispatch.h"
#include "core/utility_dialogs.h"

namespace orvo {

class MainWindowView;
class UserInteraction;
struct Workbench;

// A dialog's window as the set drives it.
class UtilityWindow {
public:
    virtual ~UtilityWindow() = default;
    // Shown without blocking, or brought to the front when it is shown.
    virtual void showWindow() = 0;
    // The texts of the interface language now in force.
    virtual void applyTexts() = 0;
};

using UtilityWindowFactory = std::function<std::unique_ptr<UtilityWindow>()>;

// The quit's clean-up of the main folder, which the clean-up dialogs own.
class QuitDeletion {
public:
    virtual ~QuitDeletion() = default;
    // False ends the rest of the shut-down's clean-up.
    virtual bool run() = 0;
};

class NullQuitDeletion : public QuitDeletion {
public:
    bool run() override { return true; }
};

struct UtilityDialogServices {
    UtilityDispatcher& dispatcher;
    UserInteraction& ui;
    MainWindowView& view;
    QuitDeletion& quitDeletion;
};

class UtilityDialogSet : public UtilityDialogs {
public:
    UtilityDialogSet(Workbench& workbench, UtilityDialogServices services);
    ~UtilityDialogSet() override;

    // The window of dialog `number` (3 to 21), made when it is first needed.
    void provide(int number, UtilityWindowFactory make);
    // A window that lives elsewhere (the console, the About box as 0) and is
    // only brought back.
    void provideExisting(int number, std::function<void()> bringBack);
    // Dialog `number` is shown: made first when it is not there.
    // True when it is shown.
    bool open(int number);
    // The window of dialog `number` has closed; a dialog that is not kept
    // is made anew at its next use.
    void closed(int number, bool kept);
    bool isOpen(int number) const { return windows_.count(number) > 0; }

    // The main window became active: the dialog active over it comes back.
    void mainWindowActivated();
    // A new interface language: every dialog there takes its texts.
    void languageApplied();
    int openDialogNumber() const { return openDialog_; }

    // UtilityDialogs
    void dispatchUtility(const std::string& value) override;
    void openPrinterOptions() override;
    void bringToFront(int windowNumber) override;
    void setOpenDialogNumber(int windowNumber) override { openDialog_ = windowNumber; }
    bool quitDeletion() override;

private:
    bool openKeyword(UtilityKeyword keyword);
    void notAvailable(int number);

    Workbench& workbench_;
    UtilityDialogServices services_;
    std::map<int, UtilityWindowFactory> factories_;
    std::map<int, std::function<void()>> existing_;
    std::map<int, std::unique_ptr<UtilityWindow>> windows_;
    int openDialog_ = 1;
};

// The dialog a keyword opens, or 0 when it opens none.
int dialogNumberOf(UtilityKeyword keyword);

}  // namespace orvo
