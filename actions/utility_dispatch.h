#pragma once
// The entries of the utilities list: a keyword opens one of the workbench's
// dialogs (or the project outliner, a manual page, a help document), any other
// value is a command template, run as a script, started as a program or opened
// as a document.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

class Launcher;
class MainWindowShell;
class MainWindowView;
class ShellOpen;
class UserInteraction;
struct Workbench;

enum class UtilityKeyword {
    Advanced,
    Project,
    BibTeX,
    Graph,
    MakeFormat,
    Metafont,
    Metapost,
    MakeIndex,
    Run,
    Cleanup,
    ManualPage,
    HelpDocument,
    ConversionTools,
};

// The keyword `value` is, compared exactly with the whole value: "&Bibtex"
// and "&bibtex " are command templates.
std::optional<UtilityKeyword> utilityKeyword(std::string_view value);
// "&bibtex", "&cleanup", ...
const char* utilityKeywordText(UtilityKeyword keyword);

// A command template split at its first "&" that is not its first character:
// the text before it, and a blank followed by the rest.
struct UtilityTemplateParts {
    std::string program;
    std::string arguments;
};
UtilityTemplateParts splitUtilityTemplate(std::string_view text);

// How a program part runs: the first four characters of its upper-cased
// extension (".BTM", ".EXE", ".HTM", "" ...).
std::string utilityKind(std::string_view programPart);

struct UtilityServices {
    Launcher& launcher;
    ShellOpen& shell;
    UserInteraction& ui;
    MainWindowView& view;
    MainWindowShell& windowShell;
};

class UtilityDispatcher {
public:
    UtilityDispatcher(Workbench& workbench, UtilityServices services);

    // Runs `value` with the main window's stay-on-top style and redrawing
    // paused around it. A keyword that opens a dialog goes to `openDialog`,
    // which says whether a dialog is now open (it gives the style back when
    // it closes); the others run here.
    using DialogOpener = std::function<bool(UtilityKeyword)>;
    void dispatch(const std::string& value, const DialogOpener& openDialog);

    // A value that is no keyword.
    void runTemplate(std::string_view value);
    // "&mandoc" and "&helpdoc": a file dialog, then the file's viewer.
    void openDocumentation(UtilityKeyword which);
    // "&project": the outliner on the main file, not waited for.
    void startProjectOutliner();

private:
    // True when a dialog was opened.
    bool runKeyword(UtilityKeyword keyword, const DialogOpener& openDialog);

    Workbench& workbench_;
    UtilityServices services_;
};

// The project outliner's file in the batch directory.
inline constexpr const char* kProjectOutlinerName = "orvoproject";

}  // namespace orvo
