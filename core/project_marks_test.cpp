#include "core/project_marks.h"

#include <gtest/gtest.h>

#include "core/ini_document.h"

namespace orvo {
namespace {

TEST(ProjectMarks, SectionFromTheFormatsDisplayTextExactly) {
    std::vector<ListPair> types = {{"LaTeX", "LaTeX"}, {" Plain TeX ", " PlainTeX "}};
    struct Case {
        const char* format;
        const char* section;
    };
    const Case cases[] = {{"Plain TeX", "OrvoProject:PlainTeX"},
                          {"plain tex", "OrvoProject:LaTeX"},  // case matters
                          {"ConTeXt", "OrvoProject:LaTeX"}};
    for (const Case& c : cases) EXPECT_EQ(chooseProjectSection(types, c.format), c.section) << c.format;
    EXPECT_EQ(chooseProjectSection(std::nullopt, "Plain TeX"), "OrvoProject:LaTeX") << "no project list";
}

TEST(ProjectMarks, ReadsWithDefaultsAndTheLatexFallback) {
    IniDocument config;
    config.writeString("OrvoProject:Book", "InputMarks", "\\input;\\subfile;");
    config.writeString("OrvoProject:Book", "LabelsMarks", "\\label");
    config.writeString("OrvoProject:Book", "LabelMarks", "ignored: written name");
    config.writeString("OrvoProject:Book", "CaptionTitlesMarks", "Tabellen;");
    config.writeString("OrvoProject:Book", "Verbatim", "\\verb");
    config.writeString("OrvoProject:Empty", "PartMarks", "\\part");

    std::string section = "OrvoProject:Book";
    ProjectMarks marks = readProjectMarks(config, section);
    EXPECT_EQ(section, "OrvoProject:Book");
    EXPECT_EQ(marks.InputMarks, "\\input;\\subfile;");
    EXPECT_EQ(marks.LabelMarks, "\\label;") << "read as LabelsMarks, closed with ;";
    EXPECT_EQ(marks.CaptionTitleMarks, "Tabellen;");
    EXPECT_EQ(marks.Verbatim, "\\verb") << "not a list that gets a ;";
    EXPECT_EQ(marks.RefMarks, "\\ref;");

    section = "OrvoProject:Empty";
    marks = readProjectMarks(config, section);
    EXPECT_EQ(section, "OrvoProject:LaTeX") << "no input marks: the LaTeX section";
    EXPECT_EQ(marks.InputMarks, "\\input;\\include;");
    EXPECT_EQ(marks.PartMarks, "\\part;");
}

TEST(ProjectMarks, WrittenUnderTheirWrittenNamesInOrder) {
    IniDocument config;
    std::string section = "OrvoProject:LaTeX";
    ProjectMarks marks = readProjectMarks(config, section);
    writeProjectMarks(marks, section, config);
    std::vector<std::string> keys = config.keyNames(section);
    EXPECT_EQ(keys, (std::vector<std::string> {"Verbatim", "IncludegraphicsMarks", "InputMarks", "PartMarks",
                                               "ChapterMarks", "SectionMarks", "SubsectionMarks",
                                               "SubsubsectionMarks", "CiteMarks", "LabelMarks", "RefMarks",
                                               "CaptionMarks", "CaptionTypeMarks", "CaptionTitleMarks"}));
    EXPECT_EQ(config.readString(section, "CaptionTitleMarks", ""), "Tables;Figures;");
}

}  // namespace
}  // namespace orvo
