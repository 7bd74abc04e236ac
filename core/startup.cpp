#include "core/startup.h"

#include "core/active_editor_profile.h"
#include "core/auto_save.h"
#include "core/config_defaults.h"
#include "core/config_file.h"
#include "core/config_keys.h"
#include "core/config_location.h"
#include "core/config_reader.h"
#include "core/config_writer.h"
#include "core/console_port.h"
#include "core/document_parameters.h"
#include "core/environment_batch_file.h"
#include "core/environment_section.h"
#include "core/first_run_defaults.h"
#include "core/help_and_support.h"
#include "core/job_actions.h"
#include "core/main_window_messages.h"
#include "core/main_window_shell.h"
#include "core/main_window_view.h"
#include "core/own_tree_database.h"
#include "core/path_names.h"
#include "core/printer_option_file.h"
#include "core/search_path.h"
#include "core/session_jobs.h"
#include "core/speedbar_layout.h"
#include "core/text.h"
#include "core/window_scale.h"
#include "core/workbench.h"
#include "platform/desktop.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/user_interaction.h"

namespace orvo {
namespace {

constexpr int kMainWindowHelpContext = 200;

void warn(UserInteraction& ui, const std::string& text) {
    ui.showMessage({MessageKind::Warning, text, MessageButtons::Ok, MessagePlacement::ScreenCentre});
}

std::string absoluteFrom(const std::string& folder, const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    return folder + path;
}

}  // namespace

Startup::Startup(Workbench& workbench, MainWindowView& view, StartupServices services, StartupPorts ports,
                 CommandLine commandLine)
    : workbench_(workbench),
      view_(view),
      services_(services),
      ports_(ports),
      commandLine_(std::move(commandLine)),
      language_(workbench, view, services.files, services.ui, ports.editorProfile) {
    // Documents named on the command line are relative to the folder the
    // workbench was started in; start-up changes the current folder before it
    // looks at them.
    if (commandLine_.namesDocument()) {
        std::string launchFolder = services_.files.currentDirectory();
        for (std::size_t i = 0; i < commandLine_.parameters.size() && i < 2; ++i) {
            std::string& parameter = commandLine_.parameters[i];
            // "-MENU" after the document is a switch, not a file name.
            if (!isMenuSwitch(parameter)) parameter = absoluteFrom(launchFolder, parameter);
        }
    }
}

std::string Startup::messageText(const Workbench& workbench, int entry, const std::string& fallback) {
    if (entry < 0 || entry >= int(workbench.messageTexts.size())) return fallback;
    const std::string& text = workbench.messageTexts[entry];
    return trim(text).empty() ? fallback : text;
}

StartupOutcome Startup::createMainWindow(const std::string& programDir) {
    Workbench& w = workbench_;
    view_.lockUpdates(true);
    w.programDir = programDir;
    w.OrvoSelectionsOptionsDir = programDir;
    language_.loadStartupTexts();
    view_.selectPage(MainPage::MainMenu);
    view_.setHelpContext(kMainWindowHelpContext);
    w.OrvoBTMDir = programDir.empty() ? services_.files.currentDirectory() : programDir;
    w.mainPath.clear();
    locateConfigFile();
    if (!firstRun()) {
        view_.lockUpdates(false);
        return StartupOutcome::Aborted;
    }
    checkDistributionFolders();
    buildSearchPathStep();
    applyEnvironment();
    readRemainingKeys();
    language_.resolveFiles(true);
    loadEditorProfile();
    showMainAndCurrentFile();
    enterMainFolder();
    language_.fillUtilities();
    showDisplayTexts();
    view_.moveTo(w.XScreenPos, w.YScreenPos);
    autostart();
    readPrinterOptionFile(workbench_, services_.files);
    ports_.autoSave.restartAutoSave();
    language_.buildChoice();
    view_.setResizable(true);
    applyMenuParameter();
    applySpeedbarMode();
    language_.chooseHelpFiles();
    ports_.help.loadTopics();
    takeCommandLineDocument();
    if (w.firstRun) completeFirstRun();
    writeEnvironmentBatchFileStep();
    view_.setStayOnTop(w.StayOnTop);
    ScreenSize screen = services_.desktop.screenSize();
    const ScreenFactor& factor = w.screenFactors[0];
    view_.resizeTo(scaledWindowLength(factor.x, defaults::MainWindowWidth, screen.width, defaults::DesignScreenWidth),
                   scaledWindowLength(factor.y, defaults::MainWindowHeight, screen.height, defaults::DesignScreenHeight));
    view_.lockUpdates(false);
    return StartupOutcome::Ready;
}

void Startup::locateConfigFile() {
    Workbench& w = workbench_;
    if (commandLine_.namesIniFile()) {
        w.iniName = commandLine_.iniFileName();
        w.iniDir = commandLine_.iniFileFolder();
    } else {
        w.iniName = kConfigFileName;
        std::string userFolder = userConfigFolder(services_.environment);
        w.iniDir = services_.files.fileExists(userFolder + w.iniName) ? userFolder : w.OrvoBTMDir;
    }
    w.firstRun = false;
}

bool Startup::firstRun() {
    Workbench& w = workbench_;
    ConfigFile config(services_.files, configFilePath(w));
    if (config.readError()) {
        // Taken as missing, it would be replaced by the defaults below.
        reportUnreadableConfigFile(config, services_.ui);
        w.unreadableConfigFile = config.path();
    }
    w.OwnTeXTreeDir = config.text(key::OwnTeXTreeDir, kNoIniFileMark);
    if (w.OwnTeXTreeDir != kNoIniFileMark && !commandLine_.asksInitialization()) return true;

    w.ScreenFont = services_.desktop.hasFont("Tahoma") ? "Tahoma" : "Arial";
    ScreenSize screen = services_.desktop.screenSize();
    for (ScreenFactor& factor : w.screenFactors) {
        factor.x = defaultScreenFactor(defaults::DesignScreenWidth, screen.width);
        factor.y = defaultScreenFactor(defaults::DesignScreenHeight, screen.height);
    }
    w.ScreenFont = "Tahoma";
    w.ScreenFontSize = 8;
    w.OrvoLanguage = "US";
    w.charsetName = "WESTERN";
    // The initialization dialog is still to come: the first run takes the
    // detected distribution and the usual choices as if Start were pressed.
    std::string namedIniDir = w.iniDir;
    ports_.firstRunDefaults.apply(w);
    // A ConfigFile named on the command line stays where it was named.
    if (commandLine_.namesIniFile()) w.iniDir = namedIniDir;
    w.firstRun = true;
    return true;
}

void Startup::checkDistributionFolders() {
    Workbench& w = workbench_;
    ConfigFile config(services_.files, configFilePath(w));
    w.Web2cDir = config.text(key::Web2cDir, w.Web2cDir);
    if (!services_.files.directoryExists(w.Web2cDir)) warn(services_.ui, "Directory " + w.Web2cDir + " does't exist!");
    w.SpellChecker = config.text(key::SpellChecker, defaults::SpellChecker);
    w.Web2cBINDir = config.text(key::Web2cBINDir, w.Web2cBINDir);
    if (!services_.files.directoryExists(w.Web2cBINDir))
        warn(services_.ui, "Directory " + w.Web2cBINDir + " does't exist!");
}

void Startup::buildSearchPathStep() {
    Workbench& w = workbench_;
    SearchPathInput input {services_.environment.get("PATH").value_or(std::string()), w.Web2cBINDir,
                           w.OwnTeXTreeDir, w.iniDir, w.OrvoBTMDir};
    w.savedPath = buildSearchPath(input, [this](const std::string& folder) {
        return services_.files.directoryExists(folder);
    });
    services_.environment.set("PATH", w.savedPath);
}

void Startup::applyEnvironment() {
    ConfigFile config(services_.files, configFilePath(workbench_));
    applyEnvironmentSection(config.document(), services_.environment);
}

void Startup::writeEnvironmentBatchFileStep() { writeEnvironmentBatchFile(workbench_, services_.files); }

// Pending from here on; without console capture it runs now, and the
// workbench waits for it. With capture the console window runs it when it
// is created.
void Startup::autostart() {
    Workbench& w = workbench_;
    w.jobs.autostartPending = true;
    if (!w.RunAutostartBatchfile || w.RunDosWindow) return;
    ports_.sessionJobs.runAutostart();
    w.jobs.autostartPending = false;
}

void Startup::loadEditorProfile() {
    ConfigFile config(services_.files, configFilePath(workbench_));
    ports_.editorProfile.loadAtStartup(config.document());
}

void Startup::readRemainingKeys() {
    ConfigFile config(services_.files, configFilePath(workbench_));
    readConfiguration(config, workbench_, {services_.files, services_.environment, services_.desktop.screenSize()});
    view_.setScreenFont(workbench_.ScreenFont, workbench_.ScreenFontSize);
}

void Startup::showMainAndCurrentFile() {
    Workbench& w = workbench_;
    if (!w.MainFileName.empty() && services_.files.fileExists(w.mainPath + w.MainFileName)) {
        view_.showMainFile(w.mainPath + w.MainFileName);
    } else {
        w.mainPath.clear();
        w.MainFileName.clear();
        view_.showMainFile("");
    }
    if (!services_.files.fileExists(w.CurrentFileName)) w.CurrentFileName.clear();
    view_.showCurrentFile(w.CurrentFileName);
    view_.showChoice(ChoiceField::Format, w.Format);
    view_.showChoice(ChoiceField::SpellLanguage, w.SpellLanguageText);
}

void Startup::recomputeDviFileName() {
    workbench_.dviFileName = workbench_.mainPath + baseName(workbench_.MainFileName) + ".DVI";
}

void Startup::enterMainFolder() {
    Workbench& w = workbench_;
    enterCurrentFolder();
    if (!w.mainPath.empty()) {
        if (!w.MainFileName.empty()) readParameterFile();
        recomputeDviFileName();
    }
}

// The folder of the main file, or the own tree while there is none; the
// environment batch file and the quit clean-up rely on it.
void Startup::enterCurrentFolder() {
    const Workbench& w = workbench_;
    const std::string& folder = w.mainPath.empty() ? w.OwnTeXTreeDir : w.mainPath;
    if (services_.files.directoryExists(folder)) services_.files.setCurrentDirectory(folder);
}

void Startup::showDisplayTexts() {
    const Workbench& w = workbench_;
    view_.showChoice(ChoiceField::Viewer, w.ViewerTXT);
    view_.showChoice(ChoiceField::Printer, w.PrinterTXT);
    view_.showChoice(ChoiceField::PrinterPort, w.PrinterPortTXT);
    view_.showChoice(ChoiceField::BibTeXEditor, w.BibTeXEditorTXT);
    view_.showChoice(ChoiceField::PrinterOptions, trimLeft(w.PrinterOptions));
}

void Startup::applyMenuParameter() {
    if (!commandLine_.hasMenu()) return;
    Workbench& w = workbench_;
    w.Menubar = false;
    w.SpeedbarImages = false;
    w.XScreenPos = 0;
    w.YScreenPos = 0;
    view_.moveTo(0, 0);
}

void Startup::applySpeedbarMode() {
    if (workbench_.Menubar) view_.setSpeedbarMode(true, workbench_.Verticalbar);
}

void Startup::takeCommandLineDocument() {
    if (!commandLine_.namesDocument()) return;
    Workbench& w = workbench_;
    const std::vector<std::string>& p = commandLine_.parameters;
    // The configured document stays when the named one cannot be kept.
    if (refuseUnkeepableFileName(view_, services_.ui, p[0])) return;
    view_.showMainFile("");
    view_.showCurrentFile("");
    w.CurrentFileName.clear();
    w.mainPath = folderOf(p[0]);
    w.MainFileName = fileNameOf(p[0]);
    if (services_.files.fileExists(p[0])) {
        view_.showMainFile(p[0]);
    } else {
        w.mainPath.clear();
        w.MainFileName.clear();
    }
    if (p.size() > 1 && !isMenuSwitch(p[1])) {
        bool keepable = !refuseUnkeepableFileName(view_, services_.ui, p[1]);
        w.CurrentFileName = keepable && services_.files.fileExists(p[1]) ? p[1] : std::string();
        view_.showCurrentFile(w.CurrentFileName);
    }
    readParameterFile();
    recomputeDviFileName();
    // The document named here replaces the configured one: work in its folder.
    enterCurrentFolder();
}

// The configured document and the one named on the command line may be the
// same: its file is reported once.
void Startup::readParameterFile() {
    std::optional<FileFailure> unreadable = DocumentParameters(workbench_, view_, services_.files).read();
    if (!unreadable || unreadable->path == reportedParameterFile_) return;
    reportUnreadableParameterFile(*unreadable, services_.ui);
    reportedParameterFile_ = unreadable->path;
}

void Startup::completeFirstRun() {
    Workbench& w = workbench_;
    ScreenSize screen = services_.desktop.screenSize();
    if (!keepsConfigFile(w)) writeFirstConfigFile(screen);
    ports_.ownTree.refresh();
    w.screenFactors[0] = {defaultScreenFactor(defaults::DesignScreenWidth, screen.width),
                          defaultScreenFactor(defaults::DesignScreenHeight, screen.height)};
}

// The whole first ConfigFile is one pass and one write, so that a kill leaves
// no file without its environment or its editor profiles: the
// configuration, the default environment, then the editor profiles, whose
// port writes the pass.
void Startup::writeFirstConfigFile(ScreenSize screen) {
    Workbench& w = workbench_;
    ConfigFile config(services_.files, configFilePath(w));
    writeConfigurationKeys(w, config, {services_.files, services_.ui, screen, view_.geometry(), ports_.configSections});
    writeDefaultEnvironmentSection(w, config.document(), {services_.files, services_.environment, services_.programs});
    ports_.editorProfile.writeFirstRunProfiles(config);
    // Without editor profiles the pass is still to be written.
    if (!config.saveAttempted() && !config.save()) reportConfigWriteFailure(config, w, services_.ui);
    applyEnvironment();
}

// The console's creation runs the autostart job when start-up left it to the
// console. With "Always show console screen" the console is up from the start.
void Startup::createChooserAndConsole() {
    // The chooser dialog is the application's, created with the main window.
    ports_.console.ensureCreated();
    if (workbench_.AlwaysShowRedirectScreen) ports_.console.show();
}

void Startup::finishProgramEntry() {
    Workbench& w = workbench_;
    createChooserAndConsole();
    if (w.Menubar)
        w.speedbarLayout = speedbarLayoutNumber(w.UserSpeedbarPosition, w.SpeedbarLeft, w.SpeedbarTop, w.Verticalbar);
    if (w.portScriptRead && !w.portScript.empty()) ports_.jobActions.redirectPrintDestination();
    if (!w.ScaleFonts) view_.setScreenFont(w.ScreenFont, w.ScreenFontSize);
    language_.applyIfChanged();
    ports_.shell.applyScreenLayout();
    ports_.shell.buildHints();
}

}  // namespace orvo
