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

void DocumentParameters::write(const std::string& mainFileName, const std::string& mainPath,
                               const std::string& currentFile) {
    workbench_.PrinterOptions = trimLeft(view_.printerOptionsText());
    if (baseName(mainFileName).empty() || !files_.fileExists(mainPath + mainFileName)) return;
    // An existing file is rewritten under the name it has. A failed write
    // leaves the old file whole and is not reported.
    std::string path = existingOrDerivedName(files_, parameterFilePath(mainPath, mainFileName));
    files_.writeFileAtomically(path, parameterFileText(workbench_, currentFile));
}

void DocumentParameters::read() {
    Workbench& w = workbench_;
    std::optional<std::string> path = findFileIgnoringCase(files_, parameterFilePath(w.mainPath, w.MainFileName));
    std::optional<std::string> content = path ? files_.readFile(*path) : std::nullopt;
    if (!content) {
        if (deriveFileDestination(w)) view_.showChoice(ChoiceField::PrinterPort, w.PrinterPortTXT);
        return;
    }
    takeParameterLines(splitTextLines(*content), w);
    showRestoredValues();
    readProjectMarks();
    readPrinterOptionFile(w, files_);
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

}  // namespace orvo
