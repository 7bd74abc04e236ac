#include "dialogs/utility_dialog_set.h"

#include "core/job_state.h"
#include "core/main_window_messages.h"
#include "core/workbench.h"
#include "platform/user_interaction.h"

namespace orvo {
namespace {

struct DialogName {
    int number;
    const char* name;
};

// Names for the message about a dialog that is not there yet.
constexpr DialogName kDialogNames[] = {
    {3, "BibTeX"},
    {4, "Format generation"},
    {7, "MakeIndex"},
    {8, "Conversion tools"},
    {9, "Clean up files"},
    {11, "Metafont"},
    {12, "MetaPost"},
    {13, "Printer options"},
    {14, "Select languages"},
    {15, "Run"},
    {17, "Support report"},
    {20, "Graphics conversion"},
    {21, "Advanced options"},
};

constexpr int kLanguageSelectionNumber = 14;

}  // namespace

int dialogNumberOf(UtilityKeyword keyword) {
    switch (keyword) {
        case UtilityKeyword::Advanced: return 21;
        case UtilityKeyword::BibTeX: return 3;
        case UtilityKeyword::Graph: return 20;
        case UtilityKeyword::MakeFormat: return 4;
        case UtilityKeyword::Metafont: return 11;
        case UtilityKeyword::Metapost: return 12;
        case UtilityKeyword::MakeIndex: return 7;
        case UtilityKeyword::Run: return 15;
        case UtilityKeyword::Cleanup: return 9;
        case UtilityKeyword::ConversionTools: return 8;
        case UtilityKeyword::Project:
        case UtilityKeyword::ManualPage:
        case UtilityKeyword::HelpDocument: return 0;
    }
    return 0;
}

UtilityDialogSet::UtilityDialogSet(Workbench& workbench, UtilityDialogServices services)
    : workbench_(workbench), services_(services) {}

UtilityDialogSet::~UtilityDialogSet() = default;

void UtilityDialogSet::provide(int number, UtilityWindowFactory make) { factories_[number] = std::move(make); }

void UtilityDialogSet::provideExisting(int number, std::function<void()> bringBack) {
    existing_[number] = std::move(bringBack);
}

bool UtilityDialogSet::open(int number) {
    auto window = windows_.find(number);
    if (window == windows_.end()) {
        auto factory = factories_.find(number);
        std::unique_ptr<UtilityWindow> made;
        if (factory != factories_.end() && factory->second) made = factory->second();
        if (!made) {
            notAvailable(number);
            return false;
        }
        window = windows_.emplace(number, std::move(made)).first;
    }
    window->second->showWindow();
    return true;
}

void UtilityDialogSet::closed(int number, bool kept) {
    if (openDialog_ == number) openDialog_ = kMainWindowNumber;
    if (!kept) windows_.erase(number);
}

void UtilityDialogSet::mainWindowActivated() {
    const int number = openDialog_;
    if (number == kMainWindowNumber) return;
    openDialog_ = kMainWindowNumber;
    auto existing = existing_.find(number <= 0 ? 0 : number);
    if (existing != existing_.end()) {
        if (existing->second) existing->second();
        return;
    }
    // Only a dialog that is there comes back; none is made for it.
    auto window = windows_.find(number);
    if (window != windows_.end()) window->second->showWindow();
}

void UtilityDialogSet::languageApplied() {
    for (auto& [number, window] : windows_) window->applyTexts();
}

void UtilityDialogSet::dispatchUtility(const std::string& value) {
    services_.dispatcher.dispatch(value, [this](UtilityKeyword keyword) { return openKeyword(keyword); });
}

bool UtilityDialogSet::openKeyword(UtilityKeyword keyword) {
    const int number = dialogNumberOf(keyword);
    if (number == 0) return false;
    // Format generation works on the languages the selection dialog keeps;
    // that dialog is made with it, and shown only when asked for.
    if (keyword == UtilityKeyword::MakeFormat && !isOpen(kLanguageSelectionNumber)) {
        auto factory = factories_.find(kLanguageSelectionNumber);
        if (factory != factories_.end() && factory->second) {
            if (auto made = factory->second()) windows_.emplace(kLanguageSelectionNumber, std::move(made));
        }
    }
    return open(number);
}

void UtilityDialogSet::openPrinterOptions() { open(13); }

void UtilityDialogSet::bringToFront(int windowNumber) {
    auto existing = existing_.find(windowNumber);
    if (existing != existing_.end()) {
        if (existing->second) existing->second();
        return;
    }
    auto window = windows_.find(windowNumber);
    if (window != windows_.end()) window->second->showWindow();
}

bool UtilityDialogSet::quitDeletion() { return services_.quitDeletion.run(); }

void UtilityDialogSet::notAvailable(int number) {
    std::string name = "This utility";
    for (const DialogName& each : kDialogNames) {
        if (each.number == number) name = std::string("The ") + each.name + " dialog";
    }
    showOverMainWindow(services_.view, services_.ui,
                       {MessageKind::Information, name + " is not available in this version of Orvo yet.",
                        MessageButtons::Ok, MessagePlacement::MainWindowCentre});
}

}  // namespace orvo
