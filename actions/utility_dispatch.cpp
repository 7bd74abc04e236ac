#include "actions/utility_dispatch.h"

#include <array>
#include <utility>

#include "core/command_markers.h"
#include "core/command_words.h"
#include "core/main_window_shell.h"
#include "core/main_window_view.h"
#include "core/path_names.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/workbench.h"
#include "jobs/launcher.h"
#include "jobs/template_values.h"
#include "platform/shell_open.h"
#include "platform/user_interaction.h"

namespace orvo {
namespace {

constexpr std::array<std::pair<UtilityKeyword, const char*>, 13> kKeywords {{
    {UtilityKeyword::Advanced, "&advanced"},
    {UtilityKeyword::Project, "&project"},
    {UtilityKeyword::BibTeX, "&bibtex"},
    {UtilityKeyword::Graph, "&graph"},
    {UtilityKeyword::MakeFormat, "&makeformat"},
    {UtilityKeyword::Metafont, "&metafont"},
    {UtilityKeyword::Metapost, "&metapost"},
    {UtilityKeyword::MakeIndex, "&makeindex"},
    {UtilityKeyword::Run, "&run"},
    {UtilityKeyword::Cleanup, "&cleanup"},
    {UtilityKeyword::ManualPage, "&mandoc"},
    {UtilityKeyword::HelpDocument, "&helpdoc"},
    {UtilityKeyword::ConversionTools, "&conversiontools"},
}};

constexpr std::string_view kUtilityWeb2cPrefix = "&WEB2CBIN";

// MessageTexts entries of the documentation file dialogs.
constexpr int kAllFilesEntry = 17;
constexpr int kPdfFilesEntry = 19;
constexpr int kPostScriptFilesEntry = 20;
constexpr int kHelpFilesEntry = 21;
constexpr int kManualPageTitleEntry = 23;
constexpr int kHelpDocumentTitleEntry = 24;
constexpr int kHelpDocumentFilesEntry = 25;

// The words of a template piece, each with the placeholders put in; a word
// made of placeholders only that come out empty is dropped, as concatenation
// would drop it. An inserted value stays inside its word.
std::vector<std::string> expandedWords(std::string_view text, const TemplateValues& values) {
    std::vector<std::string> words;
    for (const std::string& word : splitCommandLine(text)) {
        std::string expanded = expandTemplate(word, values);
        if (!expanded.empty() || word.empty()) words.push_back(std::move(expanded));
    }
    return words;
}

std::string joinedWords(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty()) line += ' ';
        line += quoteWordIfNeeded(word);
    }
    return line;
}

}  // namespace

std::optional<UtilityKeyword> utilityKeyword(std::string_view value) {
    for (const auto& [keyword, text] : kKeywords) {
        if (value == text) return keyword;
    }
    return std::nullopt;
}

const char* utilityKeywordText(UtilityKeyword keyword) {
    for (const auto& [each, text] : kKeywords) {
        if (each == keyword) return text;
    }
    return "";
}

UtilityTemplateParts splitUtilityTemplate(std::string_view text) {
    const std::size_t amp = text.find('&');
    if (amp == std::string_view::npos || amp == 0) return {std::string(text), {}};
    return {std::string(text.substr(0, amp)), " " + std::string(text.substr(amp))};
}

std::string utilityKind(std::string_view programPart) {
    return toUpper(extensionOf(fileNameOf(programPart))).substr(0, 4);
}

UtilityDispatcher::UtilityDispatcher(Workbench& workbench, UtilityServices services)
    : workbench_(workbench), services_(services) {}

void UtilityDispatcher::dispatch(const std::string& value, const DialogOpener& openDialog) {
    Workbench& w = workbench_;
    MainWindowView& view = services_.view;
    const bool stayOnTop = w.StayOnTop && view.stayOnTop();
    if (stayOnTop) view.setStayOnTop(false);
    view.lockUpdates(true);
    w.jobs.originatingDialog = kMainWindowNumber;
    const std::optional<UtilityKeyword> keyword = utilityKeyword(value);
    bool dialogOpened = false;
    if (keyword) dialogOpened = runKeyword(*keyword, openDialog);
    else runTemplate(value);
    // A dialog gives the style back when it closes; everything else here has
    // ended or runs in a window of its own.
    if (stayOnTop && !dialogOpened) {
        view.setStayOnTop(true);
        if (!w.Menubar) services_.windowShell.reapplyLayout();
    }
    view.lockUpdates(false);
    if (!w.ShowOnTaskBar) services_.windowShell.hideTaskBarButton();
}

bool UtilityDispatcher::runKeyword(UtilityKeyword keyword, const DialogOpener& openDialog) {
    switch (keyword) {
        case UtilityKeyword::Project: startProjectOutliner(); return false;
        case UtilityKeyword::ManualPage:
        case UtilityKeyword::HelpDocument: openDocumentation(keyword); return false;
        default: return openDialog && openDialog(keyword);
    }
}

void UtilityDispatcher::runTemplate(std::string_view value) {
    Workbench& w = workbench_;
    // Everything is decided on the template's own text before any folder or
    // name is put in: its split, its markers and its kind.
    const bool web2c = startsWith(value, kUtilityWeb2cPrefix);
    UtilityTemplateParts parts = splitUtilityTemplate(web2c ? value.substr(kUtilityWeb2cPrefix.size()) : value);
    MarkedTemplate marks;
    marks.fourDos = hasFourDosMarker(parts.program);
    if (marks.fourDos) parts.program = stripFourDosMarker(parts.program);
    for (std::string* piece : {&parts.program, &parts.arguments}) {
        if (!hasNoRedirMarker(*piece)) continue;
        marks.noRedir = true;
        *piece = " " + stripNoRedirMarker(*piece);
    }

    std::vector<std::string> words = splitCommandLine(parts.program);
    if (words.empty()) return;
    if (web2c) words[0] = expandUtilityWeb2cPrefix(std::string(kUtilityWeb2cPrefix) + words[0], w.Web2cBINDir);
    const std::string kind = utilityKind(words[0]);
    const bool script = kind == ".BAT" || kind == ".BTM";
    if (script && folderOf(words[0]).empty()) words[0] = w.OrvoBTMDir + words[0];
    const std::string program = words[0];
    for (std::string& argument : expandedWords(parts.arguments, templateValuesOf(w))) words.push_back(std::move(argument));

    const bool startable = !script && (kind == ".COM" || kind == ".EXE" || services_.shell.isProgram(program));
    if (script || (marks.fourDos && startable)) {
        services_.launcher.run(JobCommand(joinedWords(words), marks), false);
    } else if (startable) {
        services_.launcher.startDirect(joinedWords(words), false);
    } else {
        // A document opens in its program, with its own folder as the working
        // folder; the parameters go with it for a program that takes them.
        ShellOpenRequest request;
        request.target = program;
        request.parameters.assign(words.begin() + 1, words.end());
        request.folder = folderOf(program).empty() ? w.mainPath : folderOf(program);
        services_.shell.open(request);  // a document without a program is not reported
    }
}

void UtilityDispatcher::openDocumentation(UtilityKeyword which) {
    const Workbench& w = workbench_;
    auto text = [&w](int entry, const char* fallback) { return Startup::messageText(w, entry, fallback); };
    const std::string all = text(kAllFilesEntry, "All files") + " (*.*)|*.*";
    const std::string pdf = text(kPdfFilesEntry, "PDF documents") + " (*.PDF)|*.PDF|";
    const std::string ps = text(kPostScriptFilesEntry, "PostScript documents") + " (*.PS)|*.PS|";
    FileDialogRequest request;
    if (which == UtilityKeyword::ManualPage) {
        request.startFolder = w.ManualPageDir;
        request.defaultExtension = "PDF";
        request.title = text(kManualPageTitleEntry, "Open manual page");
        request.filter = pdf + ps + text(kHelpFilesEntry, "HTML help files") + " (*.HLP;*.CHM)|*.HLP;*.CHM|" + all;
    } else {
        request.startFolder = w.HelpFilesDir;
        request.defaultExtension = "HLP";
        request.title = text(kHelpDocumentTitleEntry, "Open help document");
        request.filter = text(kHelpDocumentFilesEntry, "Help files") + " (*.HLP;*.CHM)|*.HLP;*.CHM|" + pdf + ps + all;
    }
    const std::optional<std::string> chosen = services_.ui.chooseFile(request);
    if (!chosen || chosen->empty()) return;
    const std::string extension = toUpper(extensionOf(fileNameOf(*chosen)));
    if (extension == ".HLP" || extension == ".CHM") {
        const std::string folder = folderOf(*chosen);
        services_.launcher.changeFolder(folder);
        services_.shell.open({fileNameOf(*chosen), {}, folder});
        return;
    }
    services_.launcher.startDirect(w.GSView + " " + quoteWord(*chosen), false);
}

void UtilityDispatcher::startProjectOutliner() {
    const Workbench& w = workbench_;
    const WindowGeometry at = services_.view.geometry();
    const std::vector<std::string> words {
        w.OrvoBTMDir + kProjectOutlinerName,
        w.mainPath + w.MainFileName,
        "-I=" + w.projectSection,
        "-L=" + w.OrvoLanguage,
        "-X=" + std::to_string(at.x),
        "-Y=" + std::to_string(at.y),
        "-INIFILE=" + w.iniDir + w.iniName,
    };
    services_.launcher.startDirect(joinedWords(words), false);
}

}  // namespace orvo
