// Project marks: the project list that names the project type of a format,
// and the marks of that type's section of ConfigFile. The input is the
// ConfigFile, then after NULs the project list and the format's display text.
// - The section chosen is the project type's or the LaTeX one.
// - Lists that end in ";" do; marks written back and read again are the
//   same (line breaks in them made blanks), but for the two lists read under
//   other names than they are written.
#include <string>
#include <vector>

#include "core/ini_document.h"
#include "core/pair_list.h"
#include "core/project_marks.h"
#include "core/text.h"
#include "core/text_decoding.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    using fuzz::check;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 3);
    const IniDocument config(parts[0]);
    std::optional<std::vector<ListPair>> types;
    if (parts.size() > 1) types = pairsFromLines(splitTextLines(parts[1]));
    const std::string format = fuzz::part(parts, 2);

    std::string section = chooseProjectSection(types, format);
    check(startsWith(section, "OrvoProject:"), "a project section", section);
    ProjectMarks marks = readProjectMarks(config, section);
    for (const std::string* list : {&marks.PartMarks, &marks.ChapterMarks, &marks.SectionMarks,
                                    &marks.SubsectionMarks, &marks.SubsubsectionMarks, &marks.CiteMarks,
                                    &marks.LabelMarks, &marks.RefMarks}) {
        check(list->empty() || list->back() == ';', "a list that ends in \";\" does", *list);
    }
    if (marks.InputMarks.empty()) return 0;  // the section changes: no marks of its own to compare

    IniDocument written(config.text());
    writeProjectMarks(marks, section, written);
    std::string again = section;
    ProjectMarks back = readProjectMarks(written, again);
    check(again == section, "the section stays", again);
    const std::pair<const std::string*, const std::string*> same[] = {
        {&back.InputMarks, &marks.InputMarks},     {&back.Verbatim, &marks.Verbatim},
        {&back.SectionMarks, &marks.SectionMarks}, {&back.CiteMarks, &marks.CiteMarks},
        {&back.RefMarks, &marks.RefMarks},         {&back.CaptionTypeMarks, &marks.CaptionTypeMarks},
    };
    for (const auto& [read, stored] : same) {
        check(*read == withoutLineBreaks(*stored), "marks read back", *stored);
    }
    return 0;
}
