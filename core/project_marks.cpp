#include "core/project_marks.h"

#include "core/ini_document.h"
#include "core/text.h"

namespace orvo {
namespace {

// Each list with the name it is read under, its default and the name it is
// written under; `LabelsMarks` and `CaptionTitlesMarks` are read by other
// names than they are written.
struct MarkKey {
    std::string ProjectMarks::*field;
    const char* readName;
    const char* fallback;
    const char* writeName;
    bool endsInSemicolon;
};

constexpr MarkKey kKeys[] = {
    {&ProjectMarks::Verbatim, "Verbatim", "\\verb", "Verbatim", false},
    {&ProjectMarks::IncludegraphicsMarks, "IncludegraphicsMarks", "\\includegraphics;", "IncludegraphicsMarks", false},
    {&ProjectMarks::InputMarks, "InputMarks", "\\input;\\include;", "InputMarks", false},
    {&ProjectMarks::PartMarks, "PartMarks", "\\part;", "PartMarks", true},
    {&ProjectMarks::ChapterMarks, "ChapterMarks", "\\chapter;\\bibliography;", "ChapterMarks", true},
    {&ProjectMarks::SectionMarks, "SectionMarks", "\\section;", "SectionMarks", true},
    {&ProjectMarks::SubsectionMarks, "SubsectionMarks", "\\subsection;", "SubsectionMarks", true},
    {&ProjectMarks::SubsubsectionMarks, "SubsubsectionMarks", "\\subsubsection;", "SubsubsectionMarks", true},
    {&ProjectMarks::CiteMarks, "CiteMarks", "\\cite;\\nocite;", "CiteMarks", true},
    {&ProjectMarks::LabelMarks, "LabelsMarks", "\\label", "LabelMarks", true},
    {&ProjectMarks::RefMarks, "RefMarks", "\\ref", "RefMarks", true},
    {&ProjectMarks::CaptionMarks, "CaptionMarks", "\\caption;", "CaptionMarks", false},
    {&ProjectMarks::CaptionTypeMarks, "CaptionTypeMarks", "\\begin{table};\\begin{figure};", "CaptionTypeMarks", false},
    {&ProjectMarks::CaptionTitleMarks, "CaptionTitlesMarks", "Tables;Figures;", "CaptionTitleMarks", false},
};

}  // namespace

std::string chooseProjectSection(const std::optional<std::vector<ListPair>>& projectTypes, const std::string& format) {
    if (projectTypes) {
        for (const ListPair& pair : *projectTypes) {
            if (trim(pair.display) == format) return "OrvoProject:" + trim(pair.value);
        }
    }
    return kDefaultProjectSection;
}

ProjectMarks readProjectMarks(const IniDocument& config, std::string& section) {
    ProjectMarks marks;
    marks.InputMarks = config.readString(section, "InputMarks", "");
    if (marks.InputMarks.empty()) {
        section = kDefaultProjectSection;
        marks.InputMarks = config.readString(section, "InputMarks", "\\input;\\include;");
    }
    for (const MarkKey& key : kKeys) {
        if (key.field == &ProjectMarks::InputMarks) continue;
        std::string value = config.readString(section, key.readName, key.fallback);
        if (key.endsInSemicolon && !value.empty() && value.back() != ';') value += ';';
        marks.*key.field = std::move(value);
    }
    return marks;
}

void writeProjectMarks(const ProjectMarks& marks, const std::string& section, IniDocument& config) {
    for (const MarkKey& key : kKeys) config.writeString(section, key.writeName, marks.*key.field);
}

}  // namespace orvo
