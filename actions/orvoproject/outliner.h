#pragma once
// The outliner's behaviour behind its window: what it reads at the start
// (ConfigFile's project marks and editor profile, then the document), what
// the window shows, and opening an entry in the editor.
#include <optional>
#include <string>
#include <vector>

#include "actions/orvoproject/outliner_command_line.h"
#include "actions/orvoproject/outliner_texts.h"
#include "actions/orvoproject/project_outline.h"

namespace orvo {

class Environment;
class FileSystem;
class ProcessLauncher;

struct OutlinerServices {
    FileSystem& files;               // ConfigFile
    const Environment& environment;  // where ConfigFile is without -INIFILE
    SourceRead read;                 // the document's files
    ProcessLauncher& processes;      // the editor
};

// One entry as the window lists it.
struct OutlineRow {
    std::string entry;  // the title, or what became of a file
    std::string mark;
    std::string file;   // from the main file's folder when it lies below it
    std::string line;
    int parent = -1;
    bool problem = false;  // a file that was not read
};

struct OpenOutcome {
    bool started = false;
    std::string message;
};

class Outliner {
public:
    Outliner(OutlinerOptions options, OutlinerServices services, OutlineLimits limits = {});

    // ConfigFile, the marks, the editor template and the document, with a
    // note for each thing that went otherwise than asked.
    void load();

    OutlinerLanguage language() const { return language_; }
    std::string text(OutlinerText id, const std::vector<std::string>& values = {}) const;
    std::string windowTitle() const;
    const std::vector<std::string>& notes() const { return notes_; }
    const std::vector<OutlineRow>& rows() const { return rows_; }
    const ProjectOutline& outline() const { return outline_; }
    std::optional<int> left() const { return options_.left; }
    std::optional<int> top() const { return options_.top; }
    const std::string& editorTemplate() const { return teXEdit_; }

    // Starts the editor's template on the entry's file and line, detached;
    // a file that was not read opens at the line that names it.
    OpenOutcome open(std::size_t entry);

private:
    std::string configFilePath() const;
    ProjectMarks readConfiguration();
    void fillRows();

    OutlinerOptions options_;
    OutlinerServices services_;
    OutlineLimits limits_;
    OutlinerLanguage language_;
    std::string mainFile_;
    std::string mainFolder_;
    std::string section_;
    std::string editorSection_;
    std::string teXEdit_;
    std::vector<std::string> notes_;
    ProjectOutline outline_;
    std::vector<OutlineRow> rows_;
};

}  // namespace orvo
