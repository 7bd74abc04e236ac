#pragma once
// Recording fakes of the ports core declares for the subsystems above it:
// each records its calls in order, as "name" or "name argument".
#include <string>
#include <vector>

#include "core/active_editor_profile.h"
#include "core/auto_save.h"
#include "core/editor_quit.h"
#include "core/first_run_defaults.h"
#include "core/help_and_support.h"
#include "core/main_window_shell.h"
#include "core/own_tree_database.h"
#include "core/session_jobs.h"
#include "core/utility_dialogs.h"

namespace orvo {

struct CallLog {
    std::vector<std::string> calls;
    void record(std::string call) { calls.push_back(std::move(call)); }
};

class RecordingSessionJobs : public SessionJobs, public CallLog {
public:
    void runAutostart() override { record("runAutostart"); }
    void closeAuxiliaryWindows() override { record("closeAuxiliaryWindows"); }
    void startClosingScript() override { record("startClosingScript"); }
    void runClosingScriptInConsole() override { record("runClosingScriptInConsole"); }
};

class RecordingAutoSave : public AutoSave, public CallLog {
public:
    void restartAutoSave() override { record("restartAutoSave"); }
};

class RecordingEditorQuit : public EditorQuit, public CallLog {
public:
    void saveAndQuit() override { record("saveAndQuit"); }
    void notifySpellChecker() override { record("notifySpellChecker"); }
};

class RecordingEditorProfile : public ActiveEditorProfile, public CallLog {
public:
    void loadAtStartup(const IniDocument&) override { record("loadAtStartup"); }
    void reloadForLanguage(const IniDocument&) override { record("reloadForLanguage"); }
    void writeFirstRunProfiles(ConfigFile&) override { record("writeFirstRunProfiles"); }
};

class RecordingFirstRunDefaults : public FirstRunDefaults, public CallLog {
public:
    void apply(Workbench&) override { record("apply"); }
};

class RecordingOwnTreeDatabase : public OwnTreeDatabase, public CallLog {
public:
    void refresh() override { record("refresh"); }
};

class RecordingMainWindowShell : public MainWindowShell, public CallLog {
public:
    void applyScreenLayout() override { record("applyScreenLayout"); }
    void buildHints() override { record("buildHints"); }
    void reapplyLayout() override { record("reapplyLayout"); }
    void recordWindowPlace() override { record("recordWindowPlace"); }
    void hideTaskBarButton() override { record("hideTaskBarButton"); }
};

class RecordingUtilityDialogs : public UtilityDialogs, public CallLog {
public:
    bool deletionSucceeds = true;
    void dispatchUtility(const std::string& value) override { record("dispatchUtility " + value); }
    void openPrinterOptions() override { record("openPrinterOptions"); }
    void bringToFront(int number) override { record("bringToFront " + std::to_string(number)); }
    void setOpenDialogNumber(int number) override { record("setOpenDialogNumber " + std::to_string(number)); }
    bool quitDeletion() override {
        record("quitDeletion");
        return deletionSucceeds;
    }
};

// The printer options and the utilities as the main window's buttons reach
// them, recorded with the rest of the work the buttons start:
// "printerOptions", "utility <value>".
class StartedUtilityDialogs : public NullUtilityDialogs {
public:
    explicit StartedUtilityDialogs(std::vector<std::string>& started) : started_(started) {}
    void openPrinterOptions() override { started_.push_back("printerOptions"); }
    void dispatchUtility(const std::string& value) override { started_.push_back("utility " + value); }

private:
    std::vector<std::string>& started_;
};

class RecordingHelpAndSupport : public HelpAndSupport, public CallLog {
public:
    void loadTopics() override { record("loadTopics"); }
    void showHelp(int context) override { record("showHelp " + std::to_string(context)); }
    void showAbout() override { record("showAbout"); }
    void showSupportReport() override { record("showSupportReport"); }
};

}  // namespace orvo
