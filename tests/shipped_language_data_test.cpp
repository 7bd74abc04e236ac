// The shipped UI-string and list files against the text index: every line a
// window binds holds a text in every language, and the list files name
// programs this machine has.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <set>

#include "core/command_markers.h"
#include "core/config_defaults.h"
#include "core/pair_list.h"
#include "core/text.h"
#include "core/text_decoding.h"
#include "core/ui_strings.h"
#include "core/ui_text_index.h"
#include "core/command_words.h"
#include "jobs/templates.h"
#include "tests/shipped_data.h"

namespace orvo {

extern const char kUiTextIndexText[];

namespace {

// The lines of a shipped file, which must be there and UTF-8.
std::vector<std::string> utf8Lines(const std::string& name) {
    std::string bytes = shippedFile(name);
    EXPECT_FALSE(bytes.empty()) << name;
    EXPECT_TRUE(isValidUtf8(bytes)) << name << " is shipped as UTF-8";
    return splitTextLines(bytes);
}

// Each window's lines: its controls, caption bar and message lines.
struct WindowRange {
    const char* window;
    int first;
    int last;
    int messages;
};
const WindowRange kRanges[] = {
    {"TForm1", 1, 174, 53},  {"TForm10", 176, 181, 0}, {"Tform16", 182, 185, 0}, {"TForm9", 186, 193, 0},
    {"Form5", 194, 218, 2},  {"TForm7", 219, 260, 10}, {"TForm6", 261, 268, 0},  {"Form21", 269, 329, 3},
    {"TForm3", 330, 337, 3}, {"TForm15", 338, 344, 0}, {"TForm8", 345, 354, 2},  {"TForm18", 355, 358, 0},
    {"TForm20", 359, 382, 8}, {"TForm14", 383, 389, 0}, {"TForm4", 390, 420, 7}, {"TForm11", 421, 430, 5},
    {"TForm12", 431, 439, 4}, {"TForm13", 440, 489, 8},
};

TEST(UiTextIndex, RejectsRowsItCannotUse) {
    std::vector<UiTextIndexError> errors;
    std::vector<UiTextEntry> entries = parseUiTextIndex(
        "# comment\n"
        "\n"
        "12\tTForm1\tButton5\tHint\n"
        "13\tTForm1\tButton5\tTooltip\n"      // unknown kind
        "x\tTForm1\tButton5\tHint\n"          // no line number
        "0\tTForm1\tButton5\tHint\n"          // line 0 is the header
        "110\tTForm1\t-\tMessage\n"           // message without its entry
        "204\tForm5\tRadioGroup1\tItem\t1\n"
        "5\tTForm1\tCaption\n",               // too few fields
        &errors);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].line, 12);
    EXPECT_EQ(entries[0].kind, UiTextKind::Hint);
    EXPECT_EQ(entries[1].item, 1);
    std::vector<int> rows;
    for (const UiTextIndexError& error : errors) rows.push_back(error.row);
    EXPECT_EQ(rows, (std::vector<int> {4, 5, 6, 7, 9}));
}

TEST(UiTextIndex, EveryRowParsesAndLiesInItsWindowsRange) {
    std::vector<UiTextIndexError> errors;
    parseUiTextIndex(kUiTextIndexText, &errors);
    for (const UiTextIndexError& error : errors) ADD_FAILURE() << "row " << error.row << ": " << error.text;

    std::map<std::string, const WindowRange*> ranges;
    for (const WindowRange& range : kRanges) ranges[range.window] = &range;
    std::set<std::tuple<std::string, std::string, UiTextKind, int>> bindings;
    for (const UiTextEntry& entry : uiTextIndex()) {
        auto range = ranges.find(entry.window);
        ASSERT_NE(range, ranges.end()) << "unknown window " << entry.window;
        EXPECT_GE(entry.line, range->second->first) << entry.window << " " << entry.control;
        EXPECT_LE(entry.line, range->second->last) << entry.window << " " << entry.control;
        if (entry.kind != UiTextKind::Message) {
            EXPECT_TRUE(bindings.insert({entry.window, entry.control, entry.kind, entry.item}).second)
                << entry.window << " binds " << entry.control << " twice";
        }
    }
    for (const WindowRange& range : kRanges) {
        std::vector<int> lines = windowMessageLines(uiTextIndex(), range.window);
        EXPECT_EQ(int(lines.size()), range.messages) << range.window;
        for (std::size_t i = 1; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], lines[i - 1] + 1) << range.window << " messages are consecutive lines";
        EXPECT_FALSE(windowTextEntries(uiTextIndex(), range.window).empty()) << range.window;
    }
}

TEST(ShippedUiStrings, EveryBoundLineHasATextInEveryLanguage) {
    std::map<std::string, std::vector<std::string>> languages = {{"US.SCR", utf8Lines("US.SCR")},
                                                                 {"DE.SCR", utf8Lines("DE.SCR")}};
    for (const auto& [file, lines] : languages) {
        ASSERT_EQ(lines.size(), 490u) << file;
        UiHeader header = parseUiHeader(lines[0]);
        EXPECT_FALSE(header.name.empty()) << file;
        EXPECT_EQ(header.charsetName, "WESTERN") << file;
        for (const UiTextEntry& entry : uiTextIndex()) {
            EXPECT_FALSE(trim(lines[entry.line]).empty())
                << file << " line " << entry.line << " (" << entry.window << " " << entry.control << ")";
        }
    }
    // A message that carries a value carries it in every language.
    const std::vector<std::string>& us = languages["US.SCR"];
    const std::vector<std::string>& de = languages["DE.SCR"];
    for (const UiTextEntry& entry : uiTextIndex()) {
        bool usValue = us[entry.line].find('$') != std::string::npos;
        bool deValue = de[entry.line].find('$') != std::string::npos;
        EXPECT_EQ(usValue, deValue) << "line " << entry.line << ": " << us[entry.line] << " / " << de[entry.line];
    }
}

std::vector<ListPair> shippedPairs(const std::string& name) { return pairsFromLines(utf8Lines(name)); }

TEST(ShippedLists, EveryLanguageHasEveryListWithTheDefaultsFirst) {
    for (const char* language : {"US", "DE"}) {
        for (const char* kind : {"FRM", "PRN", "PRD", "VIEW", "BIBED", "SPELL", "UTILS", "PROJ"}) {
            std::string name = std::string(language) + "_" + kind + ".LST";
            std::vector<std::string> lines = utf8Lines(name);
            EXPECT_FALSE(lines.empty()) << name;
            EXPECT_EQ(lines.size() % 2, 0u) << name << " ends with a display text without its value";
            for (const ListPair& pair : pairsFromLines(lines)) {
                EXPECT_FALSE(trim(pair.display).empty()) << name;
                EXPECT_FALSE(trim(pair.value).empty()) << name << " " << pair.display;
            }
        }
        EXPECT_EQ(utf8Lines(std::string(language) + "_SCRN.LST").size(), 42u);
        EXPECT_FALSE(utf8Lines(std::string(language) + "_INTRO.LST").empty());
    }
    // The first-run choices are the lists' first pairs, so a language change
    // keeps them.
    struct Case {
        const char* list;
        std::string_view display;
        std::string_view value;
    };
    const Case cases[] = {
        {"US_FRM.LST", defaults::FirstRunFormat, defaults::FirstRunFormatName},
        {"US_VIEW.LST", defaults::ViewerTXT, defaults::Viewer},
        {"US_PRN.LST", defaults::PrinterTXT, defaults::Printer},
    };
    for (const Case& c : cases) {
        std::vector<ListPair> pairs = shippedPairs(c.list);
        ASSERT_FALSE(pairs.empty()) << c.list;
        EXPECT_EQ(pairs[0].display, c.display) << c.list;
        EXPECT_EQ(pairs[0].value, c.value) << c.list;
    }
}

bool programOnPath(const std::string& program) {
    if (program.find('/') != std::string::npos) return ::access(program.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    for (const std::string& folder : split(path ? path : "/usr/bin:/bin", ':')) {
        if (!folder.empty() && ::access((folder + "/" + program).c_str(), X_OK) == 0) return true;
    }
    return false;
}

TEST(ShippedLists, FormatViewerAndPrinterCommandsNameInstalledPrograms) {
    for (const char* list : {"US_FRM.LST", "US_VIEW.LST", "US_PRN.LST", "DE_FRM.LST", "DE_VIEW.LST", "DE_PRN.LST"}) {
        for (const ListPair& pair : shippedPairs(list)) {
            std::string command = expandFormatWeb2cPrefix(stripFourDosMarker(pair.value), "/usr/bin/");
            std::vector<std::string> words = splitCommandLine(command);
            ASSERT_FALSE(words.empty()) << list << " " << pair.display;
            EXPECT_TRUE(programOnPath(words[0])) << list << ": " << words[0] << " (" << pair.display << ")";
            // A wrapper such as sh -c "exec evince ..." names its program too.
            for (std::size_t i = 1; i < words.size(); ++i) {
                std::vector<std::string> inner = splitCommandLine(words[i]);
                if (inner.size() > 1 && inner[0] == "exec") {
                    EXPECT_TRUE(programOnPath(inner[1])) << list << ": " << inner[1] << " (" << pair.display << ")";
                }
            }
        }
    }
}

}  // namespace
}  // namespace orvo
