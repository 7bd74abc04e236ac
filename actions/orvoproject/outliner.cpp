#include "actions/orvoproject/outliner.h"

#include "actions/orvoproject/texedit_call.h"
#include "core/config_file.h"
#include "core/config_keys.h"
#include "core/config_location.h"
#include "core/file_errors.h"
#include "core/path_names.h"
#include "core/project_marks.h"
#include "core/text.h"
#include "core/workbench.h"
#include "editor/editor_profiles.h"
#include "platform/process_launcher.h"

namespace orvo {
namespace {

using Kind = OutlineEntry::Kind;

constexpr const char* kDefaultLanguage = "US";

OutlinerText problemText(Kind kind) {
    switch (kind) {
        case Kind::MissingFile: return OutlinerText::EntryMissing;
        case Kind::UnreadableFile: return OutlinerText::EntryUnreadable;
        case Kind::TooLargeFile: return OutlinerText::EntryTooLarge;
        case Kind::DocumentLimit: return OutlinerText::EntryLimit;
        case Kind::IncludeCycle: return OutlinerText::EntryCycle;
        case Kind::ReadBefore: return OutlinerText::EntryReadBefore;
        case Kind::Heading: break;
    }
    return OutlinerText::EntryMissing;
}

}  // namespace

Outliner::Outliner(OutlinerOptions options, OutlinerServices services, OutlineLimits limits)
    : options_(std::move(options)),
      services_(std::move(services)),
      limits_(limits),
      language_(outlinerLanguage(options_.language)) {}

std::string Outliner::text(OutlinerText id, const std::vector<std::string>& values) const {
    return fillText(outlinerText(language_, id), values);
}

std::string Outliner::windowTitle() const {
    return text(OutlinerText::WindowTitle, {mainFile_.empty() ? std::string() : fileNameOf(mainFile_)});
}

std::string Outliner::configFilePath() const {
    if (!options_.configFile.empty()) return options_.configFile;
    return userConfigFolder(services_.environment) + kConfigFileName;
}

ProjectMarks Outliner::readConfiguration() {
    std::string path = configFilePath();
    ConfigFile config(services_.files, path);
    const IniDocument& ini = config.document();
    bool haveConfig = !config.readError() && services_.files.fileExists(path);
    if (config.readError())
        notes_.push_back(text(OutlinerText::ConfigUnreadable, {path, fileErrorText(*config.readError())}));
    else if (!haveConfig)
        notes_.push_back(text(OutlinerText::ConfigMissing, {path}));

    section_ = options_.projectSection.empty() ? std::string(kDefaultProjectSection) : options_.projectSection;
    if (options_.projectSection.empty()) notes_.push_back(text(OutlinerText::NoSectionGiven, {section_}));
    ProjectMarks marks = readProjectMarks(ini, section_);
    if (!options_.projectSection.empty() && section_ != options_.projectSection)
        notes_.push_back(text(OutlinerText::SectionFallback, {options_.projectSection, section_}));
    if (haveConfig && !ini.hasSection(section_)) notes_.push_back(text(OutlinerText::DefaultMarks, {section_}));

    // The editor the workbench has chosen, in the workbench's language.
    Workbench w;
    w.OrvoLanguage = options_.language.empty() ? kDefaultLanguage : options_.language;
    std::string base = config.text(key::EditorSection, "");
    if (base.empty()) base = std::string(kDefaultEditorSection);
    w.activeEditorSection = resolveActiveSection(ini, base, w.OrvoLanguage);
    loadEditorProfile(w, ini, ProfileFallback::Startup, services_.files);
    editorSection_ = w.activeEditorSection;
    teXEdit_ = w.TeXEdit;
    return marks;
}

void Outliner::load() {
    for (const ArgumentProblem& problem : options_.problems) {
        switch (problem.kind) {
            case ArgumentProblem::Kind::NoMainFile: notes_.push_back(text(OutlinerText::NoMainFile)); break;
            case ArgumentProblem::Kind::ExtraArgument:
                notes_.push_back(text(OutlinerText::ExtraArgument, {problem.argument}));
                break;
            case ArgumentProblem::Kind::NotANumber:
                notes_.push_back(text(OutlinerText::NotANumber, {problem.argument}));
                break;
        }
    }
    ProjectMarks marks = readConfiguration();
    if (options_.mainFile.empty()) return;

    mainFile_ = options_.mainFile;
    if (!startsWith(mainFile_, "/")) mainFile_ = services_.files.currentDirectory() + "/" + mainFile_;
    mainFile_ = normalPath(mainFile_);
    mainFolder_ = folderOf(mainFile_);
    outline_ = outlineProject(mainFile_, markRoles(marks), services_.read, limits_);
    if (outline_.mainProblem) {
        switch (*outline_.mainProblem) {
            case Kind::UnreadableFile:
                notes_.push_back(text(OutlinerText::MainUnreadable, {mainFile_, fileErrorText(*outline_.mainError)}));
                break;
            case Kind::TooLargeFile: notes_.push_back(text(OutlinerText::MainTooLarge, {mainFile_})); break;
            default: notes_.push_back(text(OutlinerText::MainMissing, {mainFile_})); break;
        }
        return;
    }
    if (outline_.cut) notes_.push_back(text(OutlinerText::OutlineCut, {std::to_string(outline_.entries.size())}));
    if (outline_.entries.empty()) notes_.push_back(text(OutlinerText::NoMarks, {section_}));
    else
        notes_.push_back(text(OutlinerText::Summary, {std::to_string(outline_.entries.size()),
                                                      std::to_string(outline_.filesRead.size())}));
    fillRows();
}

void Outliner::fillRows() {
    for (const OutlineEntry& e : outline_.entries) {
        OutlineRow row;
        row.mark = e.mark;
        row.file = startsWith(e.file, mainFolder_) ? e.file.substr(mainFolder_.size()) : e.file;
        row.line = std::to_string(e.line);
        row.parent = e.parent;
        row.problem = e.kind != Kind::Heading;
        if (row.problem)
            row.entry = text(problemText(e.kind), {e.text, e.error ? fileErrorText(*e.error) : std::string()});
        else
            row.entry = e.text;
        rows_.push_back(std::move(row));
    }
}

OpenOutcome Outliner::open(std::size_t entry) {
    if (entry >= outline_.entries.size()) return {};
    const OutlineEntry& e = outline_.entries[entry];
    std::vector<std::string> argv = teXEditArguments(teXEdit_, e.file, e.line);
    if (argv.empty() || argv[0].empty()) return {false, text(OutlinerText::NoTemplate, {editorSection_})};
    if (!services_.processes.startDetached(argv)) return {false, text(OutlinerText::StartFailed, {argv[0]})};
    return {true, text(OutlinerText::Opened, {rows_[entry].file, rows_[entry].line})};
}

}  // namespace orvo
