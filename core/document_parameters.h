#pragma once
// The parameter file of the active main file as the main window uses it:
// written when the user leaves a document, read when one becomes active, with
// the restored choices shown and the document's project marks loaded.
#include <string>

namespace orvo {

class FileSystem;
class MainWindowView;
struct Workbench;

class DocumentParameters {
public:
    DocumentParameters(Workbench& workbench, MainWindowView& view, FileSystem& files);

    // Writes the parameter file of the document being left. The printer
    // options are taken from their field first, even when nothing is written.
    void write(const std::string& mainFileName, const std::string& mainPath, const std::string& currentFile);
    // Reads the active main file's parameter file. Without one the previous
    // choices stay, but a print-to-file destination takes the document's name.
    void read();

private:
    // The hints of the Preview and Print buttons name these choices; the
    // callers refresh them once the whole change of document is done.
    void showRestoredValues();
    void readProjectMarks();

    Workbench& workbench_;
    MainWindowView& view_;
    FileSystem& files_;
};

}  // namespace orvo
