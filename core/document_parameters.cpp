#include "core/document_parameters.h"

#include "core/config_file.h"
#include "core/file_lookup.h"
#include "core/main_window_view.h"
#include "core/pair_list.h"
#include "core/parameter_file.h"
#include "core/path_names.h"
#include "core/project_marks.h"
#include "core/text.h"
#include "core/text_decoding.h"
#include "core/workbench.h"
#include "core/printer_option_file.h"
#include "platform/file_system.h"

namespace orvo {

DocumentParameters::DocumentParameters(Workbench& workbench, MainWindowView& view, FileSystem& files)
    : workbench_(workbench), view_(view), files_(files) {}

std::optional<FileFailure> DocumentParameters::write(const std::string& mainFileName, const std::string& mainPath,
                                                     const std::string& currentFile) {
    workbench_.PrinterOptions = trimLeft(view_.printerOptionsText());
    if (baseName(mainFileName).empty() || !files_.fileExists(mainPath + mainFileName)) return std::nullopt;
    // An existing file is rewritten under the name it has.
    std::string path = existingOrDerivedName(files_, parameterFilePath(mainPath, mainFileName));
    if (FileRead old = files_.read(path); old.unreadable()) return FileFailure {path, *old.error};
    FileWrite written = files_.replace(path, parameterFileText(workbench_, currentFile));
    if (!written.ok()) return FileFailure {path, *written.error};
    return std::nullopt;
}

std::optional<FileFailure> DocumentParameters::read() {
    Workbench& w = workbench_;
    std::optional<std::string> path = findFileIgnoringCase(files_, parameterFilePath(w.mainPath, w.MainFileName));
    FileRead file = path ? files_.read(*path) : FileRead {{}, FileError {FileError::Kind::Missing, 0}};
    if (!file.ok()) {
        if (deriveFileDestination(w)) view_.showChoice(ChoiceField::PrinterPort, w.PrinterPortTXT);
        if (file.unreadable()) return FileFailure {*path, *file.error};
        return std::nullopt;
    }
    takeParameterLines(splitTextLines(file.content), w);
    showRestoredValues();
    readProjectMarks();
    readPrinterOptionFile(w, files_);
    return std::nullopt;
}

void DocumentParameters::showRestoredValues() {
    const Workbench& w = workbench_;
    view_.showCurrentFile(w.CurrentFileName);
    view_.showChoice(ChoiceField::Format, w.Format);
    view_.showChoice(ChoiceField::Printer, w.PrinterTXT);
    view_.showChoice(ChoiceField::PrinterPort, w.PrinterPortTXT);
    view_.showChoice(ChoiceField::PrinterOptions, trimLeft(w.PrinterOptions));
    view_.showChoice(ChoiceField::Viewer, w.ViewerTXT);
    view_.showChoice(ChoiceField::SpellLanguage, w.SpellLanguageText);
}

void DocumentParameters::readProjectMarks() {
    Workbench& w = workbench_;
    std::string section =
        chooseProjectSection(readPairList(files_, w.languageFiles.projects, w.charsetName), w.Format);
    ConfigFile config(files_, configFilePath(w));
    w.projectMarks = orvo::readProjectMarks(config.document(), section);
    w.projectSection = section;
}

void reportUnreadableParameterFile(const FileFailure& failure, UserInteraction& ui) {
    // No message line of the language files says this yet.
    reportUnreadableFile(ui, "parameter file", failure,
                         "The document keeps the choices in force, and the file is left as it is.");
}

}  // namespace orvo
