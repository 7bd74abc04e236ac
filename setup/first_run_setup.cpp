#include "setup/first_run_setup.h"

#include "core/config_defaults.h"
#include "core/config_location.h"
#include "core/search_path.h"
#include "core/text.h"
#include "core/workbench.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/program_output.h"

namespace orvo {
namespace {

std::string asFolder(std::string path) {
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

std::string parentFolder(const std::string& folder) {
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    std::size_t at = path.rfind('/');
    return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

void copySampleDocument(Workbench& w, FileSystem& files) {
    std::string target = w.OwnTeXTreeDir + std::string(defaults::SampleDocument);
    if (files.fileExists(target)) return;
    if (auto sample = files.readFile(w.programDir + "samples/" + std::string(defaults::SampleDocument))) {
        files.writeFileAtomically(target, *sample);
    }
}

}  // namespace

TexLiveLocation detectTexLive(const FileSystem& files, const Environment& environment, ProgramOutput& programs) {
    TexLiveLocation location;
    location.binDir = findFolderOnPath("kpsewhich", files, environment);
    std::string kpsewhich = location.binDir.empty() ? std::string("kpsewhich") : location.binDir + "kpsewhich";
    auto variable = [&](const char* name) {
        return trim(programs.run({kpsewhich, "-var-value", name}).value_or(std::string()));
    };
    std::string dist = variable("TEXMFDIST");
    std::string root = variable("TEXMFROOT");
    // Older layouts: the root is the folder above texmf-dist.
    if (root.empty() && !dist.empty()) root = parentFolder(dist);
    if (!root.empty() && files.directoryExists(root)) location.rootDir = asFolder(root);
    if (!dist.empty() && files.directoryExists(asFolder(dist) + "doc/")) location.docDir = asFolder(dist) + "doc/";
    return location;
}

std::string detectPostScriptViewer(const FileSystem& files, const Environment& environment) {
    return findFolderOnPath("gv", files, environment).empty() ? std::string(defaults::GSView) : "gv";
}

void applyFirstRunDefaults(Workbench& w, FileSystem& files, const Environment& environment, ProgramOutput& programs) {
    TexLiveLocation texLive = detectTexLive(files, environment, programs);
    w.Web2cDir = texLive.rootDir;
    w.Web2cBINDir = texLive.binDir;
    // Manual pages and help documents are the distribution's documentation.
    w.ManualPageDir = texLive.docDir;
    w.HelpFilesDir = texLive.docDir;
    w.GSView = detectPostScriptViewer(files, environment);

    std::string home = asFolder(environment.get("HOME").value_or(std::string("/tmp")));
    w.OwnTeXTreeDir = home + kOwnTreeName;
    files.createDirectories(w.OwnTeXTreeDir);
    copySampleDocument(w, files);

    w.OrvoLanguage = "US";
    w.charsetName = "WESTERN";
    w.FormatName = std::string(defaults::FirstRunFormatName);
    w.Format = std::string(defaults::FirstRunFormat);
    w.BibTeXEditor = std::string(defaults::FirstRunBibTeXEditor);
    w.BibTeXEditorTXT = std::string(defaults::BibTeXEditorTXT);
    w.SpellLanguage = w.OrvoLanguage;
    w.SpellLanguageText = w.OrvoLanguage;
    w.XScreenPos = 0;
    w.YScreenPos = 0;
    w.FourDosProgram = w.OrvoBTMDir + std::string(defaults::CommandProcessorName);
    w.FourDosOptions = std::string(defaults::FourDosOptions);

    w.iniDir = userConfigFolder(environment);
    files.createDirectories(w.iniDir);
}

}  // namespace orvo
