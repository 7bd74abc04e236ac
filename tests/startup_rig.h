#pragma once
// Start-up as the application wires it, over the fakes: the services, the
// first run's detected defaults, the editor profiles and null parts for the
// rest.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/auto_save.h"
#include "core/config_keys.h"
#include "core/help_and_support.h"
#include "core/ini_document.h"
#include "core/main_window_shell.h"
#include "core/own_tree_database.h"
#include "core/session_jobs.h"
#include "core/startup.h"
#include "core/workbench.h"
#include "editor/editor_profile_service.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_program_output.h"
#include "platform/fake/fake_user_interaction.h"
#include "setup/first_run_setup.h"
#include "tests/fake_console_port.h"
#include "tests/fake_job_actions.h"
#include "tests/fake_main_window_view.h"

namespace orvo::test {

constexpr const char* kProgramDir = "/opt/orvo/";
constexpr const char* kUserConfig = "/home/u/.config/orvo/";
constexpr const char* kUserIni = "/home/u/.config/orvo/ORVO.INI";
constexpr const char* kProgramIni = "/opt/orvo/ORVO.INI";
constexpr const char* kOwnTree = "/home/u/texfiles/";
constexpr const char* kLaunchFolder = "/launch/";

using ConfigKeys = std::vector<std::pair<ConfigKey, std::string>>;

// Every service of one start-up on a machine with TeX in /usr, an own tree
// and a main file, with the parts above core wired as the application wires
// them.
struct StartupRig {
    FakeFileSystem files;
    FakeEnvironment environment;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    FakeProgramOutput programs;
    FakeMainWindowView view;
    Workbench workbench;
    // The parts above core, wired as the application wires them.
    DetectedFirstRunDefaults firstRunDefaults {files, environment, programs};
    NullOwnTreeDatabase ownTree;
    EditorProfileService editorProfile {workbench, {files, environment, ui, view}};
    EditorProfileSection profileSection;
    const ConfigSectionWriter* configSections[1] = {&profileSection};
    NullAutoSave autoSave;
    NullSessionJobs noJobs;
    SessionJobs* sessionJobs = &noJobs;
    FakeConsolePort console;
    FakeJobActions jobActions;
    NullMainWindowShell shell;
    NullHelpAndSupport help;
    std::unique_ptr<Startup> startup;

    StartupRig() {
        environment.variables = {{"HOME", "/home/u"}, {"PATH", "/usr/bin:/bin"}};
        for (const char* folder : {"/opt/orvo", "/usr/bin", "/usr/share/texlive", kOwnTree, kLaunchFolder})
            files.addDirectory(folder);
        files.addFile("/docs/paper.tex", "\\documentclass{article}");
        files.addFile("/docs/chap1.tex", "\\section{One}");
        // The utilities list every start-up reads; its absence is reported.
        files.addFile("/opt/orvo/US_UTILS.LST", "Run a program\n&run\n");
        files.current = "/launch";
    }

    void writeConfig(const std::string& path, const ConfigKeys& keys) {
        IniDocument document;
        for (const auto& [key, value] : keys) document.writeString(key.section, key.name, value);
        files.addFile(path, document.text());
    }

    std::string written(const std::string& path, ConfigKey key) const {
        auto text = files.readFile(path);
        return text ? IniDocument(*text).readString(key.section, key.name, "<absent>") : "<no file>";
    }

    StartupOutcome start(std::vector<std::string> parameters = {}) {
        startup = std::make_unique<Startup>(workbench, view, services(), ports(), CommandLine {std::move(parameters)});
        return startup->createMainWindow(kProgramDir);
    }

    StartupServices services() { return {files, environment, ui, desktop, programs}; }
    StartupPorts ports() {
        return {firstRunDefaults, ownTree, editorProfile, autoSave, *sessionJobs, console, jobActions, shell, help,
                configSections};
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const Message& message : ui.shown) texts.push_back(message.text);
        return texts;
    }
};

}  // namespace orvo::test
