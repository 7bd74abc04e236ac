#include "core/language_files.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

namespace orvo {
namespace {

constexpr const char* kList = "/opt/orvo/";
constexpr const char* kSpell = "/opt/orvo/spell/";

Workbench workbenchWithFolders() {
    Workbench w;
    w.OrvoSelectionsOptionsDir = kList;
    w.UserSpellDirectory = kSpell;
    w.OrvoBTMDir = kList;
    return w;
}

TEST(LanguageFiles, EachListFallsBackToUsOnItsOwn) {
    FakeFileSystem fs;
    for (const char* name : {"US_FRM.LST", "US_VIEW.LST", "de_frm.lst", "DE_PRN.LST", "US_PROJ.LST", "DE_UTILS.LST"})
        fs.addFile(std::string(kList) + name);
    Workbench w = workbenchWithFolders();
    LanguageFiles files;
    files.projects = "kept";
    resolveLanguageFiles(fs, w, "DE", false, files);
    EXPECT_EQ(files.formats, "/opt/orvo/de_frm.lst") << "found without regard to case";
    EXPECT_EQ(files.viewers, "/opt/orvo/US_VIEW.LST");
    EXPECT_EQ(files.printers, "/opt/orvo/DE_PRN.LST");
    EXPECT_EQ(files.utilities, "/opt/orvo/DE_UTILS.LST");
    EXPECT_EQ(files.destinations, "/opt/orvo/US_PRD.LST") << "kept though missing";
    EXPECT_EQ(files.bibTeXEditors, "/opt/orvo/US_BIBED.LST");
    EXPECT_EQ(files.projects, "kept") << "projects only at start-up";
    resolveLanguageFiles(fs, w, "DE", true, files);
    EXPECT_EQ(files.projects, "/opt/orvo/US_PROJ.LST");
}

TEST(LanguageFiles, SpellingListOfTheSpellCheckerFolderWins) {
    struct Case {
        const char* name;
        std::vector<std::string> present;
        const char* expected;
    };
    const Case cases[] = {
        {"all four", {"/opt/orvo/spell/DE_SPELL.LST", "/opt/orvo/spell/US_SPELL.LST", "/opt/orvo/DE_SPELL.LST", "/opt/orvo/US_SPELL.LST"},
         "/opt/orvo/spell/DE_SPELL.LST"},
        {"spell folder's US before the list folder's own",
         {"/opt/orvo/spell/US_SPELL.LST", "/opt/orvo/DE_SPELL.LST"}, "/opt/orvo/spell/US_SPELL.LST"},
        {"list folder's own", {"/opt/orvo/DE_SPELL.LST", "/opt/orvo/US_SPELL.LST"}, "/opt/orvo/DE_SPELL.LST"},
        {"list folder's US", {"/opt/orvo/US_SPELL.LST"}, "/opt/orvo/US_SPELL.LST"},
        {"none", {}, "/opt/orvo/US_SPELL.LST"},
    };
    for (const Case& c : cases) {
        FakeFileSystem fs;
        for (const std::string& path : c.present) fs.addFile(path);
        Workbench w = workbenchWithFolders();
        LanguageFiles files;
        resolveLanguageFiles(fs, w, "DE", false, files);
        EXPECT_EQ(files.spelling, c.expected) << c.name;
    }
    FakeFileSystem fs;
    fs.addFile("/opt/orvo/spell/US_SPELL.LST");
    fs.addFile("/opt/orvo/US_SPELL.LST");
    LanguageFiles files;
    resolveLanguageFiles(fs, workbenchWithFolders(), "US", false, files);
    EXPECT_EQ(files.spelling, "/opt/orvo/spell/US_SPELL.LST") << "even for US";
}

TEST(LanguageFiles, HelpFilesOfTheLanguageOrUs) {
    struct Case {
        const char* name;
        std::vector<std::string> present;
        const char* code;
        const char* helpFile;
        const char* topicList;
    };
    const std::string de = "/opt/orvo/HELP/DE/ORVO5/ORVO5.LST";
    const std::string us = "/opt/orvo/HELP/US/ORVO5/ORVO5.LST";
    const Case cases[] = {
        {"pages of its own, no compiled help", {de, us}, "DE", "/opt/orvo/US_ORVO.CHM", de.c_str()},
        {"nothing of its own", {de, us}, "FR", "/opt/orvo/US_ORVO.CHM", us.c_str()},
        {"compiled help of its own takes its list, even a missing one", {"/opt/orvo/DE_ORVO.CHM", us}, "DE",
         "/opt/orvo/DE_ORVO.CHM", de.c_str()},
        {"both of its own", {"/opt/orvo/DE_ORVO.CHM", de}, "DE", "/opt/orvo/DE_ORVO.CHM", de.c_str()},
        {"names in another case", {"/opt/orvo/HELP/DE/ORVO5/orvo5.lst"}, "DE", "/opt/orvo/US_ORVO.CHM",
         "/opt/orvo/HELP/DE/ORVO5/orvo5.lst"},
        {"no help at all", {}, "DE", "/opt/orvo/US_ORVO.CHM", us.c_str()},
    };
    for (const Case& c : cases) {
        FakeFileSystem fs;
        for (const std::string& path : c.present) fs.addFile(path);
        HelpFiles help = chooseHelpFiles(fs, kList, c.code);
        EXPECT_EQ(help.helpFile, c.helpFile) << c.name;
        EXPECT_EQ(help.topicList, c.topicList) << c.name;
    }
}

TEST(LanguageChoice, OffersEveryReadableUiStringFile) {
    FakeFileSystem fs;
    fs.addFile("/opt/orvo/US.SCR", "English (US)+WESTERN\nx\n");
    fs.addFile("/opt/orvo/de.scr", "Deutsch+WESTERN\n");
    fs.addFile("/opt/orvo/PL.Scr", "Polski + EASTEUROPE\n");
    fs.addFile("/opt/orvo/XX.SCR", "no header plus\n");
    fs.addFile("/opt/orvo/US_FRM.LST", "LaTeX\nlatex\n");
    fs.addDirectory("/opt/orvo/OLD.SCR");  // a folder, not a language
    struct Case {
        const char* orvoLanguage;
        int selected;
    };
    for (const Case& c : {Case {"US", 2}, Case {"pl", 1}, Case {"FR", 0}}) {
        LanguageChoice choice = buildLanguageChoice(fs, kList, c.orvoLanguage);
        ASSERT_EQ(choice.entries.size(), 4u);
        EXPECT_EQ(choice.entries[0].code, "DE");
        EXPECT_EQ(choice.entries[0].name, "Deutsch");
        EXPECT_EQ(choice.entries[1].code, "PL");
        EXPECT_EQ(choice.entries[1].charsetName, "EASTEUROPE");
        EXPECT_EQ(choice.entries[2].code, "US");
        EXPECT_EQ(choice.entries[3].name, "") << "a header without + has no name";
        EXPECT_EQ(choice.entries[3].charsetName, "no header plus");
        EXPECT_EQ(choice.selected, c.selected) << c.orvoLanguage;
    }
    FakeFileSystem empty;
    empty.addDirectory("/opt/orvo");
    EXPECT_EQ(buildLanguageChoice(empty, kList, "US").selected, -1);
}

TEST(ScreenFactors, ReadsFactorPairsAndKeepsWhatIsNoFactor) {
    std::array<ScreenFactor, kDialogCount> factors {};
    std::vector<std::string> lines = {"Form1_X=0.5", "Form1_Y=0.75", "Form2_X = 1.25 ", "no number",
                                      "Form3_X=0",   "Form3_Y=-2",   "Form4_X=a=b",     "Form4_Y=100.5",
                                      "Form5_X=100"};
    readScreenFactorLines(lines, factors);
    EXPECT_DOUBLE_EQ(factors[0].x, 0.5);
    EXPECT_DOUBLE_EQ(factors[0].y, 0.75);
    EXPECT_DOUBLE_EQ(factors[1].x, 1.25);
    EXPECT_DOUBLE_EQ(factors[1].y, 1.0) << "a line without a number keeps the factor";
    EXPECT_DOUBLE_EQ(factors[2].x, 1.0) << "zero would collapse the dialog";
    EXPECT_DOUBLE_EQ(factors[2].y, 1.0);
    EXPECT_DOUBLE_EQ(factors[3].x, 1.0);
    EXPECT_DOUBLE_EQ(factors[3].y, 1.0) << "more than a hundred is no size either";
    EXPECT_DOUBLE_EQ(factors[4].x, 100.0);
    EXPECT_DOUBLE_EQ(factors[20].y, 1.0) << "lines the file lacks change nothing";
}

}  // namespace
}  // namespace orvo
