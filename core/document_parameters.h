#pragma once
// The parameter file of the active main file as the main window uses it:
// written when the user leaves a document, read when one becomes active, with
// the restored choices shown and the document's project marks loaded.
#include <optional>
#include <string>

#include "core/file_errors.h"

namespace orvo {

class FileSystem;
class MainWindowView;
class UserInteraction;
struct Workbench;

class DocumentParameters {
public:
    DocumentParameters(Workbench& workbench, MainWindowView& view, FileSystem& files);

    // Writes the parameter file of the document being left. The printer
    // options are taken from their field first, even when nothing is written.
    // A failed write leaves the old file whole and is returned; so is a
    // parameter file that is there but cannot be read, which is never
    // replaced.
    std::optional<FileFailure> write(const std::string& mainFileName, const std::string& mainPath,
                                     const std::string& currentFile);
    // Reads the active main file's parameter file. Without one the previous
    // choices stay, but a print-to-file destination takes the document's name.
    // One that is there but cannot be read counts as none and is returned.
    std::optional<FileFailure> read();

private:
    // The hints of the Preview and Print buttons name these choices; the
    // callers refresh them once the whole change of document is done.
    void showRestoredValues();
    void readProjectMarks();

    Workbench& workbench_;
    MainWindowView& view_;
    FileSystem& files_;
};

// Tells the user that the parameter file read() returned cannot be read: on
// the log and in a box.
void reportUnreadableParameterFile(const FileFailure& failure, UserInteraction& ui);

}  // namespace orvo
