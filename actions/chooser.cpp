#include "actions/chooser.h"

#include <algorithm>

#include "actions/action_hints.h"
#include "actions/chooser_view.h"
#include "actions/message_entries.h"
#include "core/config_defaults.h"
#include "core/job_actions.h"
#include "core/main_window_messages.h"
#include "core/main_window_shell.h"
#include "core/main_window_view.h"
#include "core/one_value_template.h"
#include "core/pair_list.h"
#include "core/path_names.h"
#include "core/printer_option_file.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/utility_dialogs.h"
#include "core/window_scale.h"
#include "core/workbench.h"
#include "platform/desktop.h"
#include "platform/user_interaction.h"

namespace orvo {
namespace {

struct PurposeEntry {
    int captionEntry;
    std::string LanguageFiles::*list;
    int icon;
};

// Indexed by ChooserPurpose.
constexpr PurposeEntry kPurposes[] = {
    {0, &LanguageFiles::formats, 9},        {5, &LanguageFiles::spelling, 4},
    {3, &LanguageFiles::destinations, 11},  {1, &LanguageFiles::printers, 8},
    {4, &LanguageFiles::viewers, 10},       {6, &LanguageFiles::bibTeXEditors, 5},
    {15, &LanguageFiles::utilities, 3},
};

const PurposeEntry& entryOf(ChooserPurpose purpose) { return kPurposes[int(purpose)]; }

// A position that keeps a window of the given size on the screen.
int keptOnScreen(int position, int size, int screenSize) { return std::max(0, std::min(position, screenSize - size)); }

}  // namespace

Chooser::Chooser(Workbench& workbench, MainWindowView& mainWindow, ChooserView& view, ActionHints& hints,
                 ChooserServices services)
    : workbench_(workbench), mainWindow_(mainWindow), view_(view), hints_(hints), services_(services) {}

int Chooser::captionEntry(ChooserPurpose purpose) { return entryOf(purpose).captionEntry; }

void Chooser::open(ChooserPurpose purpose, int captionEntry) {
    Workbench& w = workbench_;
    const PurposeEntry& entry = entryOf(purpose);
    StayOnTopPause pause(mainWindow_);

    // A missing or empty list is reported and the chooser opens empty: an
    // empty item would only let the user wipe the choice.
    const std::string& path = w.languageFiles.*entry.list;
    std::vector<ListPair> pairs = readPairList(services_.files, path, w.charsetName).value_or(std::vector<ListPair>());
    if (pairs.empty()) {
        std::string text = Startup::messageText(w, kListFileMissingMessage, "List file missing or empty: $s");
        showOverMainWindow(mainWindow_, services_.ui,
                           {MessageKind::Error, fillOneValueTemplate(text, path), MessageButtons::Ok,
                            MessagePlacement::ScreenCentre});
    }

    ChooserRequest request;
    request.caption = Startup::messageText(w, captionEntry, "");
    for (const ListPair& pair : pairs) request.items.push_back(trim(pair.display));
    request.icon = entry.icon;
    ScreenSize screen = services_.desktop.screenSize();
    const ScreenFactor& factor = w.screenFactors[kChooserWindowNumber - 1];
    request.width = scaledWindowLength(factor.x, kChooserDesignWidth, screen.width, defaults::DesignScreenWidth);
    request.height = scaledWindowLength(factor.y, kChooserDesignHeight, screen.height, defaults::DesignScreenHeight);
    WindowGeometry main = mainWindow_.geometry();
    int x = main.tabPagesHidden ? main.x : w.XScreenPos;
    int y = main.tabPagesHidden ? main.y : w.YScreenPos;
    request.x = keptOnScreen(x, request.width, screen.width);
    request.y = keptOnScreen(y, request.height, screen.height);
    request.fontFamily = w.ScreenFont;
    request.fontSize = w.ScreenFontSize;

    ChooserResult result = view_.choose(request);
    if (result.width > 0 && result.height > 0 && screen.width > 0 && screen.height > 0) {
        ScreenFactor& stored = w.screenFactors[kChooserWindowNumber - 1];
        stored.x = (double(result.width) / screen.width) / (double(kChooserDesignWidth) / defaults::DesignScreenWidth);
        stored.y = (double(result.height) / screen.height) / (double(kChooserDesignHeight) / defaults::DesignScreenHeight);
    }
    if (result.chosen && *result.chosen >= 0 && *result.chosen < int(pairs.size())) {
        const ListPair& chosen = pairs[std::size_t(*result.chosen)];
        take(purpose, trim(chosen.value), trim(chosen.display));
    }
    if (!main.tabPagesHidden) services_.shell.reapplyLayout();
    hints_.refresh();
}

void Chooser::take(ChooserPurpose purpose, const std::string& value, const std::string& text) {
    Workbench& w = workbench_;
    switch (purpose) {
        case ChooserPurpose::Format:
            w.FormatName = value;
            w.Format = text;
            mainWindow_.showChoice(ChoiceField::Format, text);
            break;
        case ChooserPurpose::SpellLanguage:
            w.SpellLanguage = value;
            w.SpellLanguageText = text;
            mainWindow_.showChoice(ChoiceField::SpellLanguage, text);
            break;
        case ChooserPurpose::PrintDestination:
            if (!value.empty() && !equalsIgnoringCase(value, "FILE")) {
                w.PrinterPort = value;
                w.PrinterPortTXT = text;
                if (services_.jobs) services_.jobs->redirectPrintDestination();
            } else {
                choosePrintFile();
            }
            mainWindow_.showChoice(ChoiceField::PrinterPort, w.PrinterPortTXT);
            break;
        case ChooserPurpose::PrinterType:
            w.Printer = value;
            w.PrinterTXT = text;
            mainWindow_.showChoice(ChoiceField::Printer, text);
            readPrinterOptionFile(w, services_.files);
            // The options of the former printer do not fit the new one.
            w.PrinterOptions.clear();
            mainWindow_.showChoice(ChoiceField::PrinterOptions, "");
            break;
        case ChooserPurpose::Previewer:
            w.Viewer = value;
            w.ViewerTXT = text;
            mainWindow_.showChoice(ChoiceField::Viewer, text);
            break;
        case ChooserPurpose::BibTeXEditor:
            w.BibTeXEditor = value;
            w.BibTeXEditorTXT = text;
            mainWindow_.showChoice(ChoiceField::BibTeXEditor, text);
            break;
        case ChooserPurpose::Utility:
            services_.dialogs.dispatchUtility(value);
            break;
    }
}

// Printing into a file: the user names it, proposed as the main file's name
// with the printer's output extension in the main folder. Cancelling keeps
// the destination there was.
void Chooser::choosePrintFile() {
    Workbench& w = workbench_;
    w.portScript.clear();
    // The printer's output files take the extension its option file names.
    std::string extension = trim(w.printerSettings.switches[PrinterSwitch::OutputExtension]);
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = Startup::messageText(w, kPrintToFileTitleMessage, "Print to file");
    request.startFolder = w.mainPath;
    request.fileName = baseName(w.MainFileName);
    std::string allFiles = Startup::messageText(w, kAllFilesMessage, "All files") + "|*.*";
    if (extension.empty()) {
        request.filter = allFiles;
    } else {
        request.fileName += "." + extension;
        request.defaultExtension = extension;
        request.filter = Startup::messageText(w, kOutputFilesMessage, "Output files (*.") + extension + ")|*." +
                         extension + "|" + allFiles;
    }
    if (std::optional<std::string> chosen = services_.ui.chooseFile(request)) {
        w.PrinterPort = *chosen;
        w.PrinterPortTXT = *chosen;
    }
}

}  // namespace orvo
