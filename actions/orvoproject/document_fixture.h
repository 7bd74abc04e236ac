#pragma once
// The three-file document on disk, a ConfigFile whose editor profile names a
// recording editor, and that editor: a script that writes each argument it
// gets on a line of its own into a file, for the tests that start the
// outliner's editor for real.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "actions/orvoproject/outline_fixture.h"
#include "tests/temp_dir.h"

namespace orvo::test {

struct RecordedDocument {
    TempDir dir;
    std::string folder;      // the document's folder, with a blank in its name
    std::string main;        // its main file
    std::string configFile;  // ORVO.INI
    std::string record;      // what the editor was started with, one argument a line

    RecordedDocument() {
        folder = dir.path() + "my doc/";
        main = dir.write("my doc/main.tex", kThreeFileMain);
        dir.write("my doc/ch1.tex", kThreeFileCh1);
        dir.write("my doc/ch2.tex", kThreeFileCh2);
        record = dir.path() + "editor.args";
        // Written whole, then renamed: a test that sees the file sees all of it.
        std::string editor = dir.write("editor.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                                                        record + ".part' && mv '" + record + ".part' '" + record +
                                                        "'\n");
        ::chmod(editor.c_str(), 0755);
        configFile = dir.write("ORVO.INI", "[UserChoice]\nEditorSection=Editor:Rec\n[Editor:Rec_US]\nEditor=" + editor +
                                               "\nTeXEdit=" + editor + " +%d \"%s\"\n");
    }

    // The workbench's command line for the document.
    std::vector<std::string> arguments(const std::string& language = "US") const {
        return {main, "-I=OrvoProject:LaTeX", "-L=" + language, "-X=40", "-Y=30", "-INIFILE=" + configFile};
    }
};

}  // namespace orvo::test
