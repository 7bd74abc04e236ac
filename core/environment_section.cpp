#include "core/environment_section.h"

#include "core/config_keys.h"
#include "core/ini_document.h"
#include "core/path_names.h"
#include "core/search_path.h"
#include "core/text.h"
#include "core/workbench.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/program_output.h"

namespace orvo {
namespace {

// The programs and windows the closing script closes: the LaTeX macro
// program, the DVI previewer and the PostScript viewers.
constexpr const char* kDefaultKill = "latexmac;XDvi;gv;Evince";
// The closing script deletes these masks in the main folder.
constexpr const char* kDefaultDelFiles = "*.bak";
constexpr const char* kConfigFolder = "web2c/";
constexpr const char* kConfigFileName = "texmf.cnf";

std::string temporaryFolder(const Environment& environment) {
    for (const char* name : {"TEMP", "TMPDIR"}) {
        std::string value = environment.get(name).value_or(std::string());
        if (!value.empty()) return value;
    }
    return "/tmp";
}

// The folder of the texmf.cnf that kpathsea reads first, so that its
// precedence over the distribution's other configuration files stays.
std::string distributionCnfFolder(const Workbench& w, const FileSystem& files, ProgramOutput& programs) {
    std::string kpsewhich = w.Web2cBINDir + "kpsewhich";
    if (!files.fileExists(kpsewhich)) kpsewhich = "kpsewhich";
    std::string found = trim(programs.run({kpsewhich, kConfigFileName}).value_or(std::string()));
    if (!found.empty() && files.fileExists(found)) return folderOf(found);
    if (w.Web2cDir.empty()) return {};
    for (const char* tree : {"texmf-dist/", "", "texmf/"}) {
        std::string folder = w.Web2cDir + tree + kConfigFolder;
        if (files.fileExists(folder + kConfigFileName)) return folder;
    }
    return {};
}

std::string ghostscriptProgram(const Workbench& w, const FileSystem& files, const Environment& environment) {
    const std::string program = "gs";
    if (!w.Web2cBINDir.empty() && files.fileExists(w.Web2cBINDir + program)) return w.Web2cBINDir + program;
    std::string folder = findFolderOnPath(program, files, environment);
    return folder.empty() ? program : folder + program;
}

}  // namespace

EnvironmentEntries environmentEntries(const IniDocument& config) {
    EnvironmentEntries entries;
    for (const std::string& name : config.keyNames(section::Environment))
        entries.emplace_back(name, config.readString(section::Environment, name, ""));
    return entries;
}

void applyEnvironmentSection(const IniDocument& config, Environment& environment) {
    for (const auto& [name, value] : environmentEntries(config)) environment.set(name, value);
}

std::string defaultTexmfCnf(const Workbench& w, const FileSystem& files, ProgramOutput& programs) {
    // A doubled '/' would ask kpathsea to search every subfolder.
    auto entry = [](const std::string& folder) { return stripFolderSlash(collapseDoubledSlashes(folder)) + ":"; };
    std::string value;
    if (!w.OwnTeXTreeDir.empty()) value += entry(w.OwnTeXTreeDir + "texmf/" + kConfigFolder);
    std::string distribution = distributionCnfFolder(w, files, programs);
    if (!distribution.empty()) value += entry(distribution);
    return value.empty() ? ":" : value;
}

EnvironmentEntries defaultEnvironment(const Workbench& w, const FileSystem& files, const Environment& environment,
                                      ProgramOutput& programs) {
    std::string temporary = temporaryFolder(environment);
    return {
        {"TEMP", temporary},
        {"TMP", temporary},
        {"CLS", ""},
        {"DELFILES", kDefaultDelFiles},
        {"COMSPEC", w.FourDosProgram},
        {"ORVODEBUG", ""},
        {"MODE", "ljfour"},
        {"WEBROOTDIR", w.Web2cDir},
        {"ORVOPATH", w.OrvoBTMDir},
        {"TEXMFCNF", defaultTexmfCnf(w, files, programs)},
        {"UTILSDIR", w.Web2cBINDir},
        {"KILL", kDefaultKill},
        {"PERLLIB", w.Web2cDir.empty() ? std::string() : w.Web2cDir + "tlpkg"},
        {"GS_PATH", ghostscriptProgram(w, files, environment)},
        {"GS_LIB", stripFolderSlash(w.Web2cBINDir)},
    };
}

void writeDefaultEnvironmentSection(const Workbench& w, IniDocument& config, EnvironmentServices services) {
    for (const auto& [name, value] : defaultEnvironment(w, services.files, services.environment, services.programs))
        config.writeString(section::Environment, name, value);
}

}  // namespace orvo
