#pragma once
// The chooser dialog's logic: which list each purpose offers, under which
// caption, and where the chosen value and display text go.
#include <string>

namespace orvo {

class ActionHints;
class ChooserView;
class Desktop;
class FileSystem;
class JobActions;
class MainWindowShell;
class MainWindowView;
class UserInteraction;
class UtilityDialogs;
struct Workbench;

enum class ChooserPurpose { Format = 0, SpellLanguage, PrintDestination, PrinterType, Previewer, BibTeXEditor, Utility };

inline constexpr int kChooserWindowNumber = 2;
inline constexpr int kChooserDesignWidth = 456;
inline constexpr int kChooserDesignHeight = 357;

struct ChooserServices {
    FileSystem& files;
    UserInteraction& ui;
    Desktop& desktop;
    // Runs a chosen utility's value (the utilities dispatcher).
    UtilityDialogs& dialogs;
    // Lays the tabbed window out anew after the chooser.
    MainWindowShell& shell;
    // The jobs of the main window; none leaves the print destination as chosen.
    JobActions* jobs = nullptr;
};

class Chooser {
public:
    Chooser(Workbench& workbench, MainWindowView& mainWindow, ChooserView& view, ActionHints& hints,
            ChooserServices services);

    // Loads the purpose's list, shows it under the caption of message entry
    // `captionEntry` and takes the choice.
    void open(ChooserPurpose purpose, int captionEntry);
    // The caption entry of the purpose's own field.
    static int captionEntry(ChooserPurpose purpose);

private:
    void take(ChooserPurpose purpose, const std::string& value, const std::string& text);
    void choosePrintFile();

    Workbench& workbench_;
    MainWindowView& mainWindow_;
    ChooserView& view_;
    ActionHints& hints_;
    ChooserServices services_;
};

}  // namespace orvo
