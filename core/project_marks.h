#pragma once
// Project marks: lists of LaTeX commands kept in ConfigFile for the outline
// program, in the section of the document's project type.
#include <optional>
#include <string>
#include <vector>

#include "core/pair_list.h"

namespace orvo {

class IniDocument;

inline constexpr const char* kDefaultProjectSection = "OrvoProject:LaTeX";

struct ProjectMarks {
    std::string InputMarks;
    std::string Verbatim;
    std::string IncludegraphicsMarks;
    std::string PartMarks;
    std::string ChapterMarks;
    std::string SectionMarks;
    std::string SubsectionMarks;
    std::string SubsubsectionMarks;
    std::string CiteMarks;
    std::string LabelMarks;
    std::string RefMarks;
    std::string CaptionMarks;
    std::string CaptionTypeMarks;
    std::string CaptionTitleMarks;
};

// "OrvoProject:" + the type the project list gives the format's display text
// (matched exactly after trimming), or the LaTeX section.
std::string chooseProjectSection(const std::optional<std::vector<ListPair>>& projectTypes, const std::string& format);
// Reads the marks of `section`; a section without input marks switches
// `section` to the LaTeX one, whose defaults then apply.
ProjectMarks readProjectMarks(const IniDocument& config, std::string& section);
void writeProjectMarks(const ProjectMarks& marks, const std::string& section, IniDocument& config);

}  // namespace orvo
