#pragma once
// Choosing the main file and the current file: by file dialog, from the two
// histories, or by dropping a file onto the main window. A new main file
// brings its own parameter file, and with it perhaps another print
// destination script; the document left behind keeps its choices in its own.
#include <optional>
#include <string>
#include <vector>

namespace orvo {

class ActionHints;
class FileSystem;
class JobActions;
class MainWindowShell;
class MainWindowView;
class UserInteraction;
struct FileDialogRequest;
struct Workbench;

struct FileChoiceServices {
    FileSystem& files;
    UserInteraction& ui;
    // Lays the tabbed window out anew after a file dialog.
    MainWindowShell& shell;
    // The jobs of the main window; none leaves the print destination as it is.
    JobActions* jobs = nullptr;
};

class FileChoice {
public:
    FileChoice(Workbench& workbench, MainWindowView& view, ActionHints& hints, FileChoiceServices services);

    void chooseMainFile();
    void chooseCurrentFile();

    // Opening a history menu puts the active file first; the menu lists the
    // other entries.
    std::vector<std::string> openMainHistory();
    void takeMainFile(const std::string& path);
    std::vector<std::string> openCurrentHistory();
    void takeCurrentFile(const std::string& path);

    // Files dropped onto the main window: the first one becomes the main file.
    void drop(const std::vector<std::string>& paths);

private:
    struct Document {
        std::string mainPath;
        std::string mainFileName;
        std::string currentFileName;
        std::string portScript;
    };
    // Remembers the active document, empties the file fields and saves the
    // document's parameter file.
    Document leaveDocument();
    // Makes `path` the main file and reads its parameter file; a new print
    // destination script is run.
    void enterDocument(const std::string& path, const std::string& formerPortScript);
    void finish();
    std::string activeMainFile() const;
    void reapplyLayout();
    // The file dialog's choice, or nothing when cancelled or when the name
    // cannot be kept (it is then refused as if cancelled).
    std::optional<std::string> chooseFile(const FileDialogRequest& request);

    Workbench& workbench_;
    MainWindowView& view_;
    ActionHints& hints_;
    FileChoiceServices services_;
};

}  // namespace orvo
