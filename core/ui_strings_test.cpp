#include "core/ui_strings.h"

#include <gtest/gtest.h>

#include "core/pair_list.h"
#include "platform/fake/fake_file_system.h"

namespace orvo {
namespace {

using Lines = std::vector<std::string>;

TEST(UiStrings, HeaderGivesNameAndCharacterSet) {
    struct Case {
        const char* line;
        const char* name;
        const char* charset;
    };
    const Case cases[] = {
        {"English (US)+WESTERN", "English (US)", "WESTERN"},
        {"  Deutsch  +  WESTERN  ", "Deutsch", "WESTERN"},
        {"Polski+EASTEUROPE", "Polski", "EASTEUROPE"},
        {"Name+a+b", "Name", "a+b"},
        {"no plus at all", "", "no plus at all"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        UiHeader header = parseUiHeader(c.line);
        EXPECT_EQ(header.name, c.name) << c.line;
        EXPECT_EQ(header.charsetName, c.charset) << c.line;
    }
}

TEST(UiStrings, CharacterSetNumbers) {
    struct Case {
        const char* name;
        int number;
    };
    const Case cases[] = {{"EASTEUROPE", 238}, {"easteurope", 238}, {"RUSSIAN", 204}, {"161", 161},
                          {" 77 ", 77},        {"WESTERN", 0},     {"", 0},           {"12x", 0}};
    for (const Case& c : cases) EXPECT_EQ(charsetNumber(c.name), c.number) << c.name;
}

TEST(UiStrings, ReadsLinesAndSurvivesDamagedFiles) {
    FakeFileSystem files;
    files.addFile("/l/US.SCR", "English+WESTERN\r\nMain file\r\n\r\nQuit\r\n");
    files.addFile("/l/BIN.SCR", std::string("X+WESTERN\n\0\x01\x02\xFF\xFE\n", 16));
    files.addFile("/l/LONG.SCR", "X+WESTERN\n" + std::string(1 << 20, 'a') + "\nafter\n");
    files.addFile("/l/OLD.SCR", "Deutsch+WESTERN\n\xDC" "bernehmen\n");
    files.addFile("/l/RU.SCR", "Russkij+RUSSIAN\n\xCF\xF0\xE8\n");

    EXPECT_EQ(readUiStringFile(files, "/l/US.SCR"), (Lines {"English+WESTERN", "Main file", "", "Quit"}));
    EXPECT_EQ(readUiStringFile(files, "/l/BIN.SCR"), (Lines {"X+WESTERN", "\xC3\xBF\xC3\xBE"}));
    auto longLines = readUiStringFile(files, "/l/LONG.SCR");
    ASSERT_TRUE(longLines);
    ASSERT_EQ(longLines->size(), 3u);
    EXPECT_EQ((*longLines)[1].size(), kMaxUiTextBytes);
    EXPECT_EQ((*longLines)[2], "after");
    EXPECT_EQ(readUiStringFile(files, "/l/OLD.SCR"), (Lines {"Deutsch+WESTERN", "\xC3\x9C" "bernehmen"}));
    EXPECT_EQ(readUiStringFile(files, "/l/RU.SCR"), (Lines {"Russkij+RUSSIAN", "\xD0\x9F\xD1\x80\xD0\xB8"}));
    EXPECT_EQ(readUiStringFile(files, "/l/GONE.SCR"), std::nullopt);
}

TEST(PairList, ReadsPairsUntilTheEnd) {
    struct Case {
        const char* name;
        Lines lines;
        std::vector<std::pair<std::string, std::string>> pairs;
    };
    const Case cases[] = {
        {"two pairs", {"LaTeX", "latex", "Plain TeX", "tex"}, {{"LaTeX", "latex"}, {"Plain TeX", "tex"}}},
        {"truncated last pair", {"LaTeX", "latex", "Orphan"}, {{"LaTeX", "latex"}, {"Orphan", ""}}},
        {"empty file", {}, {}},
        {"blanks kept", {"  xdvi  ", " xdvi "}, {{"  xdvi  ", " xdvi "}}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<std::string, std::string>> got;
        for (const ListPair& pair : pairsFromLines(c.lines)) got.emplace_back(pair.display, pair.value);
        EXPECT_EQ(got, c.pairs) << c.name;
    }
}

TEST(PairList, DisplayTextMatchesTrimmedValueIgnoringCaseAndFallsBackToTheFirstPair) {
    const std::vector<ListPair> viewers = {{"xdvi (.dvi)", "xdvi"}, {"gv (.ps)", " gv "}, {"Evince", "evince"}};
    struct Case {
        const char* value;
        const char* display;
        const char* storedValue;
        bool matched;
    };
    const Case cases[] = {
        {"gv", "gv (.ps)", "gv", true},
        {"  EVINCE ", "Evince", "  EVINCE ", true},
        {"okular", "xdvi (.dvi)", "xdvi", false},
        {"", "xdvi (.dvi)", "xdvi", false},
    };
    for (const Case& c : cases) {
        std::optional<DisplayChoice> found = findDisplayText(viewers, c.value);
        ASSERT_TRUE(found) << c.value;
        EXPECT_EQ(found->display, c.display) << c.value;
        EXPECT_EQ(found->value, c.storedValue) << c.value;
        EXPECT_EQ(found->matched, c.matched) << c.value;
    }
    EXPECT_EQ(findDisplayText({}, "xdvi"), std::nullopt) << "an empty list leaves the choice alone";
}

TEST(PairList, DamagedListFilesStillGivePairs) {
    FakeFileSystem files;
    files.addFile("/l/BIN.LST", std::string("a\0b\nv\xFF\n\x01", 9));
    files.addFile("/l/CRLF.LST", "LaTeX\r\nlatex\r\n");
    auto binary = readPairList(files, "/l/BIN.LST", "WESTERN");
    ASSERT_TRUE(binary);
    ASSERT_EQ(binary->size(), 2u);
    EXPECT_EQ((*binary)[0].display, "ab");
    EXPECT_EQ((*binary)[0].value, "v\xC3\xBF");
    EXPECT_EQ((*binary)[1].value, "");
    auto crlf = readPairList(files, "/l/CRLF.LST", "WESTERN");
    ASSERT_TRUE(crlf);
    EXPECT_EQ((*crlf)[0].value, "latex");
    EXPECT_EQ(readPairList(files, "/l/GONE.LST", "WESTERN"), std::nullopt);
}

}  // namespace
}  // namespace orvo
