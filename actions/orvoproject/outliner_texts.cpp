#include "actions/orvoproject/outliner_texts.h"

#include <iterator>

#include "core/text.h"

namespace orvo {
namespace {

struct Texts {
    OutlinerText id;
    const char* english;
    const char* german;
};

// In the order of OutlinerText, which outlinerText() relies on.
constexpr Texts kTexts[] = {
    {OutlinerText::WindowTitle, "Project outline: $1", "Projektgliederung: $1"},
    {OutlinerText::TreeName, "Outline of the document", "Gliederung des Dokuments"},
    {OutlinerText::MessagesName, "Messages", "Meldungen"},
    {OutlinerText::ColumnEntry, "Entry", "Eintrag"},
    {OutlinerText::ColumnMark, "Mark", "Markierung"},
    {OutlinerText::ColumnFile, "File", "Datei"},
    {OutlinerText::ColumnLine, "Line", "Zeile"},
    {OutlinerText::OpenButton, "&Open in editor", "Im &Editor \xC3\xB6" "ffnen"},
    {OutlinerText::CloseButton, "&Close", "&Schlie\xC3\x9F" "en"},
    {OutlinerText::Summary, "Entries: $1, files read: $2.", "Eintr\xC3\xA4ge: $1, gelesene Dateien: $2."},
    {OutlinerText::NoMarks, "The document holds none of the marks of $1.",
     "Das Dokument enth\xC3\xA4lt keine der Markierungen von $1."},
    {OutlinerText::NoMainFile, "No main file was given: name it as the first argument.",
     "Keine Hauptdatei angegeben: sie geh\xC3\xB6rt als erstes Argument dazu."},
    {OutlinerText::ExtraArgument, "Argument left alone: $1", "Argument \xC3\xBC" "bergangen: $1"},
    {OutlinerText::NotANumber, "Not a whole number, the desktop places the window: $1",
     "Keine ganze Zahl, der Desktop setzt das Fenster: $1"},
    {OutlinerText::MainMissing, "The main file $1 does not exist.", "Die Hauptdatei $1 existiert nicht."},
    {OutlinerText::MainUnreadable, "The main file $1 cannot be read: $2",
     "Die Hauptdatei $1 kann nicht gelesen werden: $2"},
    {OutlinerText::MainTooLarge, "The main file $1 is too large to be read.",
     "Die Hauptdatei $1 ist zu gro\xC3\x9F zum Lesen."},
    {OutlinerText::ConfigMissing, "ConfigFile $1 does not exist: the default marks and editor are used.",
     "ConfigFile $1 existiert nicht: es gelten die Standard-Markierungen und der Standard-Editor."},
    {OutlinerText::ConfigUnreadable, "ConfigFile $1 cannot be read ($2): the default marks and editor are used.",
     "ConfigFile $1 kann nicht gelesen werden ($2): es gelten die Standard-Markierungen und der Standard-Editor."},
    {OutlinerText::NoSectionGiven, "No project section was given: the marks of $1 are used.",
     "Kein Projektabschnitt angegeben: es gelten die Markierungen von $1."},
    {OutlinerText::SectionFallback, "The section $1 holds no InputMarks: the marks of $2 are used.",
     "Der Abschnitt $1 enth\xC3\xA4lt keine InputMarks: es gelten die Markierungen von $2."},
    {OutlinerText::DefaultMarks, "ConfigFile has no section $1: its default marks are used.",
     "ConfigFile hat keinen Abschnitt $1: es gelten seine Standard-Markierungen."},
    {OutlinerText::OutlineCut, "The outline ends after $1 entries; the rest is left out.",
     "Die Gliederung endet nach $1 Eintr\xC3\xA4gen; der Rest fehlt."},
    {OutlinerText::EntryMissing, "missing: $1", "fehlt: $1"},
    {OutlinerText::EntryUnreadable, "cannot be read ($2): $1", "nicht lesbar ($2): $1"},
    {OutlinerText::EntryTooLarge, "too large to be read: $1", "zu gro\xC3\x9F zum Lesen: $1"},
    {OutlinerText::EntryLimit, "not read, the document is too large: $1",
     "nicht gelesen, das Dokument ist zu gro\xC3\x9F: $1"},
    {OutlinerText::EntryCycle, "reads itself, not read again: $1", "liest sich selbst, nicht erneut gelesen: $1"},
    {OutlinerText::EntryReadBefore, "read above already: $1", "schon weiter oben gelesen: $1"},
    {OutlinerText::Opened, "$1, line $2: opened in the editor.", "$1, Zeile $2: im Editor ge\xC3\xB6" "ffnet."},
    {OutlinerText::NoTemplate, "The editor profile $1 has no TeXEdit template.",
     "Das Editorprofil $1 hat keine TeXEdit-Vorlage."},
    {OutlinerText::StartFailed, "The editor could not be started: $1",
     "Der Editor konnte nicht gestartet werden: $1"},
};
constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        if (std::size_t(kTexts[i].id) != i) return false;
    }
    return std::size(kTexts) == std::size_t(OutlinerText::Count);
}
static_assert(inEnumOrder(), "one row for each text, in the order of OutlinerText");

}  // namespace

OutlinerLanguage outlinerLanguage(std::string_view code) {
    return equalsIgnoringCase(code, "DE") ? OutlinerLanguage::German : OutlinerLanguage::English;
}

const char* outlinerText(OutlinerLanguage language, OutlinerText text) {
    const Texts& row = kTexts[std::size_t(text)];
    return language == OutlinerLanguage::German ? row.german : row.english;
}

std::string fillText(std::string_view pattern, const std::vector<std::string>& values) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        std::size_t index = std::size_t(next - '1');
        if (pattern[i] == '$' && next >= '1' && next <= '9' && index < values.size()) {
            text += values[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace orvo
