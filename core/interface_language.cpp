#include "core/interface_language.h"

#include "core/active_editor_profile.h"
#include "core/config_file.h"
#include "core/file_lookup.h"
#include "core/language_files.h"
#include "core/main_window_messages.h"
#include "core/main_window_view.h"
#include "core/one_value_template.h"
#include "core/pair_list.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_strings.h"
#include "core/window_texts.h"
#include "core/workbench.h"
#include "platform/file_system.h"

namespace orvo {
namespace {

inline constexpr const char* kMainWindowClass = "TForm1";

// A choice of the main window: its stored value, its display text, the pair
// list it comes from and the field that shows it.
struct ChoiceBinding {
    std::string Workbench::*value;
    std::string Workbench::*text;
    std::string LanguageFiles::*list;
    ChoiceField field;
};

// In the order the display texts are refreshed.
constexpr ChoiceBinding kChoices[] = {
    {&Workbench::BibTeXEditor, &Workbench::BibTeXEditorTXT, &LanguageFiles::bibTeXEditors, ChoiceField::BibTeXEditor},
    {&Workbench::SpellLanguage, &Workbench::SpellLanguageText, &LanguageFiles::spelling, ChoiceField::SpellLanguage},
    {&Workbench::FormatName, &Workbench::Format, &LanguageFiles::formats, ChoiceField::Format},
    {&Workbench::Printer, &Workbench::PrinterTXT, &LanguageFiles::printers, ChoiceField::Printer},
    {&Workbench::PrinterPort, &Workbench::PrinterPortTXT, &LanguageFiles::destinations, ChoiceField::PrinterPort},
    {&Workbench::Viewer, &Workbench::ViewerTXT, &LanguageFiles::viewers, ChoiceField::Viewer},
};

// A destination that names a file or folder keeps the text the user gave it.
bool isPathDestination(const std::string& port) { return port.find('/') != std::string::npos; }

}  // namespace

InterfaceLanguage::InterfaceLanguage(Workbench& workbench, MainWindowView& view, FileSystem& files,
                                     UserInteraction& ui, ActiveEditorProfile& editorProfile)
    : workbench_(workbench), view_(view), files_(files), ui_(ui), editorProfile_(editorProfile) {}

InterfaceLanguage::~InterfaceLanguage() = default;

void InterfaceLanguage::loadStartupTexts() {
    Workbench& w = workbench_;
    w.uiStrings = readUiStringFile(files_, w.programDir + "US.SCR").value_or(std::vector<std::string>());
    w.messageTexts.assign(kMessageTextCount, " ");
    for (int i = 0; i < kMessageTextCount && kFirstMessageLine + i < int(w.uiStrings.size()); ++i)
        w.messageTexts[i] = w.uiStrings[kFirstMessageLine + i];
}

void InterfaceLanguage::resolveFiles(bool withProjects) {
    resolveLanguageFiles(files_, workbench_, workbench_.OrvoLanguage, withProjects, workbench_.languageFiles);
}

void InterfaceLanguage::reportError(const std::string& text) {
    showOverMainWindow(view_, ui_, {MessageKind::Error, text, MessageButtons::Ok, MessagePlacement::ScreenCentre});
}

void InterfaceLanguage::fillUtilities() {
    const std::string& path = workbench_.languageFiles.utilities;
    std::optional<std::vector<ListPair>> utilities = readPairList(files_, path, workbench_.charsetName);
    if (!utilities) {
        std::string text = Startup::messageText(workbench_, kUtilitiesListMissingMessage, "File $s not found!");
        reportError(fillOneValueTemplate(text, path));
        return;
    }
    view_.showUtilities(*utilities);
}

void InterfaceLanguage::buildChoice() {
    Workbench& w = workbench_;
    w.languageChoice = buildLanguageChoice(files_, w.OrvoSelectionsOptionsDir, w.OrvoLanguage);
    w.charsetName = "WESTERN";
    for (const LanguageEntry& entry : w.languageChoice.entries) {
        if (equalsIgnoringCase(entry.code, w.OrvoLanguage)) w.charsetName = entry.charsetName;
    }
    view_.showLanguageChoice(w.languageChoice);
}

void InterfaceLanguage::chooseHelpFiles() {
    HelpFiles help = orvo::chooseHelpFiles(files_, workbench_.OrvoBTMDir, workbench_.OrvoLanguage);
    workbench_.helpFile = help.helpFile;
    workbench_.helpTopicList = help.topicList;
}

void InterfaceLanguage::applyIfChanged() {
    const LanguageChoice& choice = workbench_.languageChoice;
    int selected = view_.selectedLanguage();
    if (selected < 0 || selected >= int(choice.entries.size())) return;
    if (choice.entries[selected].code != workbench_.appliedLanguage) apply();
}

LanguageApplication InterfaceLanguage::apply() {
    Workbench& w = workbench_;
    int selected = view_.selectedLanguage();
    if (selected < 0 || selected >= int(w.languageChoice.entries.size())) return LanguageApplication::NothingSelected;
    const LanguageEntry entry = w.languageChoice.entries[selected];

    // Read first: a file that cannot be read leaves every text as it was.
    const std::string path = existingOrDerivedName(files_, w.OrvoSelectionsOptionsDir + entry.code + ".SCR");
    std::optional<std::vector<std::string>> lines = readUiStringFile(files_, path);
    if (!lines || lines->empty()) {
        std::string text = Startup::messageText(w, kLanguageFileUnreadableMessage, "Cannot read the language file $s");
        reportError(fillOneValueTemplate(text, path));
        return LanguageApplication::Unreadable;
    }

    w.appliedLanguage = entry.code;
    w.OrvoLanguage = entry.code;
    w.uiStrings = std::move(*lines);
    w.charsetName = toUpper(parseUiHeader(w.uiStrings.front()).charsetName);

    if (!mainTexts_) mainTexts_ = std::make_unique<WindowTexts>(kMainWindowClass, view_.textTarget());
    mainTexts_->apply(w.uiStrings, w.charsetName, false);
    w.messageTexts = windowMessages(kMainWindowClass, w.uiStrings);
    w.messageTexts.resize(kMessageTextCount, " ");

    chooseHelpFiles();
    resolveFiles(false);
    refreshDisplayTexts();
    fillUtilities();
    reloadEditorProfile();
    for (const std::function<void()>& callback : appliedCallbacks_) callback();
    return LanguageApplication::Applied;
}

void InterfaceLanguage::reloadEditorProfile() {
    ConfigFile config(files_, configFilePath(workbench_));
    editorProfile_.reloadForLanguage(config.document());
}

void InterfaceLanguage::refreshDisplayTexts() {
    Workbench& w = workbench_;
    for (const ChoiceBinding& choice : kChoices) {
        if (choice.field == ChoiceField::PrinterPort && isPathDestination(w.PrinterPort)) continue;
        std::optional<std::vector<ListPair>> pairs = readPairList(files_, w.languageFiles.*choice.list, w.charsetName);
        // A missing or empty list leaves the choice as it is.
        std::optional<DisplayChoice> found = pairs ? findDisplayText(*pairs, w.*choice.value) : std::nullopt;
        if (!found) continue;
        w.*choice.text = found->display;
        w.*choice.value = found->value;
        view_.showChoice(choice.field, w.*choice.text);
    }
}

}  // namespace orvo
