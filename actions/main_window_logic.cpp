#include "actions/main_window_logic.h"

#include "actions/message_entries.h"
#include "core/document_parameters.h"
#include "core/job_actions.h"
#include "core/main_window_position.h"
#include "core/main_window_view.h"
#include "core/utility_dialogs.h"
#include "core/workbench.h"

namespace orvo {
namespace {

// Help contexts of the pages, in page order.
constexpr int kPageHelpContexts[] = {200, 300, 400, 500};

void call(const std::function<void()>& hook) {
    if (hook) hook();
}

bool Workbench::*optionField(ProgramOption option) {
    switch (option) {
        case ProgramOption::StayOnTop: return &Workbench::StayOnTop;
        case ProgramOption::GrabConsoleOutput: return &Workbench::RunDosWindow;
        case ProgramOption::AlwaysShowConsole: return &Workbench::AlwaysShowRedirectScreen;
        case ProgramOption::ReplaceVirtualFonts: return &Workbench::AlwaysDevirtualize;
        case ProgramOption::GradientCaption: return &Workbench::UseGradientCaption;
        case ProgramOption::ShowOnTaskBar: return &Workbench::ShowOnTaskBar;
        case ProgramOption::ShowOnTaskTray: return &Workbench::ShowOnTaskTray;
    }
    return &Workbench::StayOnTop;
}

}  // namespace

MainWindowLogic::MainWindowLogic(Workbench& workbench, MainWindowView& view, ActionsView& actionsView,
                                 ChooserView& chooserView, MainWindowServices services)
    : workbench_(workbench),
      view_(view),
      actionsView_(actionsView),
      services_(services),
      hints_(workbench, actionsView),
      fileChoice_(workbench, view, hints_, {services.files, services.ui, services.shell, services.jobs}),
      chooser_(workbench, view, chooserView, hints_,
               {services.files, services.ui, services.desktop, services.dialogs, services.shell, services.jobs}) {}

void MainWindowLogic::activate(MainControl control, ButtonRole role, MenuAnchor at) {
    bool alternative = role == ButtonRole::Alternative;
    auto choose = [this](ChooserPurpose purpose) { chooser_.open(purpose, Chooser::captionEntry(purpose)); };
    switch (control) {
        case MainControl::Compile:
            return compile(alternative ? &JobActions::blockCompile : &JobActions::compile);
        case MainControl::Preview:
            return alternative ? choose(ChooserPurpose::Previewer) : runJob(&JobActions::preview);
        case MainControl::Print:
            if (alternative) return services_.dialogs.openPrinterOptions();
            return runJob(&JobActions::print);
        case MainControl::LogFile:
            return alternative ? call(hooks.showConsole) : runJob(&JobActions::openLogFile);
        case MainControl::Edit:
            if (!alternative) return call(hooks.edit);
            return historyMenu(fileChoice_.openMainHistory(), at, &FileChoice::takeMainFile);
        case MainControl::SpellCheck:
            return alternative ? choose(ChooserPurpose::SpellLanguage) : call(hooks.spellCheck);
        case MainControl::MainFile:
            if (!alternative) return fileChoice_.chooseMainFile();
            return historyMenu(fileChoice_.openMainHistory(), at, &FileChoice::takeMainFile);
        case MainControl::CurrentFile:
            if (!alternative) return fileChoice_.chooseCurrentFile();
            return historyMenu(fileChoice_.openCurrentHistory(), at, &FileChoice::takeCurrentFile);
        default: break;
    }
    // The choice fields: a click, a double click or a key opens the chooser.
    if (alternative) return;
    switch (control) {
        case MainControl::FormatField: return choose(ChooserPurpose::Format);
        case MainControl::FormatButton: return chooser_.open(ChooserPurpose::Format, kFormatCaptionFromButton);
        case MainControl::SpellLanguage: return choose(ChooserPurpose::SpellLanguage);
        case MainControl::PrintDestination: return choose(ChooserPurpose::PrintDestination);
        case MainControl::PrinterType: return choose(ChooserPurpose::PrinterType);
        case MainControl::Previewer: return choose(ChooserPurpose::Previewer);
        case MainControl::BibTeXEditor: return choose(ChooserPurpose::BibTeXEditor);
        case MainControl::Editor: return call(hooks.chooseEditor);
        default: break;
    }
}

void MainWindowLogic::runJob(void (JobActions::*job)()) {
    if (!services_.jobs) return;
    recordMainWindowPosition(workbench_, view_);
    (services_.jobs->*job)();
}

// One compile at a time: the flag is set here and cleared when the job ends.
void MainWindowLogic::compile(void (JobActions::*job)()) {
    if (!services_.jobs || workbench_.jobs.compileBusy) return;
    recordMainWindowPosition(workbench_, view_);
    workbench_.jobs.compileBusy = true;
    (services_.jobs->*job)();
}

void MainWindowLogic::historyMenu(std::vector<std::string> entries, MenuAnchor at,
                                  void (FileChoice::*take)(const std::string&)) {
    if (entries.empty()) return;
    std::optional<int> chosen = actionsView_.popUpMenu(entries, at);
    if (chosen && *chosen >= 0 && *chosen < int(entries.size())) (fileChoice_.*take)(entries[std::size_t(*chosen)]);
}

// An entry of the page works on the document as a compile does: its
// parameters are on disk, the editor has saved, and its folder is current.
void MainWindowLogic::chooseUtility(const std::string& value) {
    Workbench& w = workbench_;
    if (value.empty()) return;
    DocumentParameters(w, view_, services_.files).write(w.MainFileName, w.mainPath, w.CurrentFileName);
    call(hooks.saveBeforeJob);
    if (!w.mainPath.empty() && services_.files.directoryExists(w.mainPath)) services_.files.setCurrentDirectory(w.mainPath);
    recordMainWindowPosition(w, view_);
    services_.dialogs.dispatchUtility(value);
}

void MainWindowLogic::languageChanged() {
    hints_.takeTemplates();
    hints_.refresh();
}

void MainWindowLogic::pageChanged(MainPage page) { view_.setHelpContext(kPageHelpContexts[int(page)]); }

void MainWindowLogic::setOption(ProgramOption option, bool on) {
    workbench_.*optionField(option) = on;
    if (option == ProgramOption::StayOnTop) view_.setStayOnTop(on);
}

bool MainWindowLogic::option(ProgramOption option) const { return workbench_.*optionField(option); }

}  // namespace orvo
