#pragma once
// What the outliner's tests share: the document's files read from a fake
// file system, bounded as the real reader bounds them, the marks of a
// ConfigFile without a project section, and a document of three files.
#include <string>

#include "actions/orvoproject/project_outline.h"
#include "actions/orvoproject/tex_marks.h"
#include "core/ini_document.h"
#include "core/project_marks.h"
#include "platform/fake/fake_file_system.h"

namespace orvo::test {

inline SourceRead boundedReader(const FakeFileSystem& files) {
    return [&files](const std::string& path, std::size_t limit) {
        FileRead file = files.read(path);
        if (file.content.size() > limit) file.content.resize(limit);
        return file;
    };
}

inline MarkRoles defaultRoles() {
    std::string section = kDefaultProjectSection;
    return markRoles(readProjectMarks(IniDocument(), section));
}

// A main file that includes its first chapter and inputs its second, with
// headings before, between and after them.
inline constexpr const char* kThreeFileMain =
    "\\documentclass{book}\n"
    "\\begin{document}\n"
    "\\chapter{Introduction}\n"
    "\\section{Aims}\n"
    "\\include{ch1}\n"
    "\\input{ch2}\n"
    "\\section*{Closing}\n"
    "\\end{document}\n";
inline constexpr const char* kThreeFileCh1 =
    "% the first chapter\n\\chapter{Methods}\n\\section{Setup}\n\\subsection{Tools}\n";
inline constexpr const char* kThreeFileCh2 = "\\chapter[Res.]{Results}\n\\section{Numbers}\n";

}  // namespace orvo::test
