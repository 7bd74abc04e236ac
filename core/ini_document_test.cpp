#include "core/ini_document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "core/text.h"

namespace orvo {
namespace {

using std::nullopt;
using std::optional;
using std::string;

// A file with the line shapes the reading rules have to tell apart.
constexpr std::string_view kSample =
    "Stray=before any section\n"
    "[System]\n"
    "Web2cDir=/usr/share/texlive/\n"
    "  ScreenFontSize  =   12   \n"
    "Empty=\n"
    "Blank=   \n"
    "Quoted=\"  padded  \"\n"
    "Inner=say \"hi\" there\n"
    "OneQuote=\"\n"
    "TwoQuotes=\"\"\n"
    "DoubleQuoted=\"\"x\"\"\n"
    "Equals=a=b\n"
    "; Commented=1\n"
    "NoEquals line\n"
    "Dup=first\n"
    "DUP=second\n"
    "[Broken=1\n"
    "AfterBroken=yes\n"
    "  [ Options ]  \n"
    "Menubar=1\n"
    "[system]\n"
    "Late=only in the second System\n";

class IniReadTest : public ::testing::Test {
protected:
    const IniDocument sample{kSample};
};

TEST_F(IniReadTest, ValuesFollowTheReadingRules) {
    struct Case {
        const char* section;
        const char* key;
        optional<string> expected;
    };
    const Case cases[] = {
        {"System", "Web2cDir", "/usr/share/texlive/"},
        {"SYSTEM", "web2cdir", "/usr/share/texlive/"},
        {"System", "ScreenFontSize", "12"},
        {"System", "Empty", ""},
        {"System", "Blank", ""},
        {"System", "Quoted", "  padded  "},
        {"System", "Inner", "say \"hi\" there"},
        {"System", "OneQuote", "\""},
        {"System", "TwoQuotes", ""},
        {"System", "DoubleQuoted", "\"x\""},
        {"System", "Equals", "a=b"},
        {"System", "Dup", "first"},
        {"System", "AfterBroken", "yes"},
        {"options", "MENUBAR", "1"},
        {"System", "Commented", nullopt},
        {"System", "; Commented", nullopt},
        {"System", "NoEquals line", nullopt},
        {"System", "[Broken", nullopt},
        {"System", "Late", nullopt},
        {"System", "Missing", nullopt},
        {"Missing", "Web2cDir", nullopt},
        {"", "Stray", nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sample.value(c.section, c.key), c.expected) << c.section << " / " << c.key;
    }
}

TEST_F(IniReadTest, NamesAreListedOnceInFileOrder) {
    EXPECT_EQ(sample.sectionNames(), (std::vector<string>{"System", "Options"}));
    EXPECT_EQ(sample.keyNames("system"),
              (std::vector<string>{"Web2cDir", "ScreenFontSize", "Empty", "Blank", "Quoted", "Inner", "OneQuote",
                                   "TwoQuotes", "DoubleQuoted", "Equals", "Dup", "AfterBroken"}));
    EXPECT_TRUE(sample.keyNames("Missing").empty());
}

TEST_F(IniReadTest, HasSectionOnlyForSectionLines) {
    EXPECT_TRUE(sample.hasSection("OPTIONS"));
    EXPECT_FALSE(sample.hasSection("Broken"));
    EXPECT_FALSE(sample.hasSection("Broken=1"));
    EXPECT_FALSE(sample.hasSection(""));
}

TEST_F(IniReadTest, ReadStringTellsEmptyFromAbsent) {
    EXPECT_EQ(sample.readString("System", "Empty", "fallback"), "");
    EXPECT_EQ(sample.readString("System", "Missing", "fallback"), "fallback");
}

TEST(IniDocumentTest, ValueIsCutAfterItsQuotesAreRemoved) {
    const string limit(IniDocument::kValueLimit, 'x');
    const string cases[] = {limit, limit + "y", "\"" + limit + "\"", "\"" + limit + "yy\""};
    for (const string& raw : cases) {
        IniDocument doc("[S]\nK=" + raw + "\n");
        EXPECT_EQ(doc.value("S", "K"), limit) << raw.size();
    }
}

TEST(IniDocumentTest, NumbersAndBooleansFallBackWhenNoNumber) {
    const IniDocument doc(
        "[S]\nZero=0\nHexZero=0x0\nTwo=2\nMinus=-1\nHex=0x10\nDollar=$1f\nQuotedNum=\"7\"\nSpaced=  8  \n"
        "Junk=12abc\nEmpty=\nReal=2.5\n");
    struct Case {
        const char* key;
        int integer;  // read with fallback -99
        optional<bool> flag;  // nullopt: the fallback
    };
    const Case cases[] = {
        {"Zero", 0, false},       {"HexZero", 0, false},        {"Two", 2, true},       {"Minus", -1, true},
        {"Hex", 16, true},        {"Dollar", 31, true},         {"QuotedNum", 7, true}, {"Spaced", 8, true},
        {"Junk", -99, nullopt},   {"Empty", -99, nullopt},      {"Real", -99, nullopt}, {"Absent", -99, nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(doc.readInteger("S", c.key, -99), c.integer) << c.key;
        EXPECT_EQ(doc.readBool("S", c.key, true), c.flag.value_or(true)) << c.key;
        EXPECT_EQ(doc.readBool("S", c.key, false), c.flag.value_or(false)) << c.key;
    }
    EXPECT_EQ(doc.readReal("S", "Real", -1), 2.5);
    EXPECT_EQ(doc.readReal("S", "Junk", -1), -1);
    EXPECT_EQ(doc.readReal("S", "Absent", -1), -1);
}

TEST(IniNumberTest, ParseIntegerAcceptsDecimalAndBothHexForms) {
    const std::pair<const char*, optional<int>> cases[] = {
        {"0", 0},
        {"42", 42},
        {"007", 7},
        {"+5", 5},
        {"-17", -17},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$ff", 255},
        {"$7FFFFFFF", 2147483647},
        {"0x00000000000000001", 1},
        {"2147483648", nullopt},
        {"-2147483649", nullopt},
        {"99999999999999999999", nullopt},
        {"0x80000000", nullopt},
        {"0x", nullopt},
        {"$", nullopt},
        {"", nullopt},
        {"-", nullopt},
        {"--1", nullopt},
        {"-0x10", nullopt},
        {"$-1", nullopt},
        {"0x1G", nullopt},
        {"12a", nullopt},
        {" 1", nullopt},
        {"1 ", nullopt},
        {"1.0", nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parseIniInteger(text), expected) << '"' << text << '"';
}

TEST(IniNumberTest, ParseRealNeedsAWholeFiniteNumber) {
    const std::pair<const char*, optional<double>> cases[] = {
        {"1.5", 1.5},      {"-2.25e-7", -2.25e-7}, {"+3", 3.0},       {".5", 0.5},      {"1e3", 1000.0},
        {"1,5", nullopt},  {"1.5x", nullopt},      {"", nullopt},     {" 1", nullopt},  {"+-1", nullopt},
        {"nan", nullopt},  {"inf", nullopt},       {"1e999", nullopt}, {"0x10", nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parseIniReal(text), expected) << '"' << text << '"';
}

TEST(IniNumberTest, FormatRealGivesFifteenDigitsWithAPoint) {
    const std::pair<double, const char*> cases[] = {
        {0.1, "0.1"},        {1.0, "1"},        {-2.5, "-2.5"},
        {1e20, "1e+20"},     {1e-5, "1e-05"},   {1.0 / 3, "0.333333333333333"},
        {123456789012345678.0, "1.23456789012346e+17"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(formatIniReal(value), expected);
}

TEST(IniNumberTest, RealsRoundTripThroughTheDocument) {
    for (double value : {0.7, 1.0 / 3, -1234.5678, 6.02214076e23, 1e-300, 0.0}) {
        IniDocument doc;
        doc.writeReal("Screens", "Ratio", value);
        const double back = IniDocument(doc.text()).readReal("Screens", "Ratio", -1);
        EXPECT_EQ(formatIniReal(back), formatIniReal(value));
        EXPECT_NEAR(back, value, std::abs(value) * 1e-14) << formatIniReal(value);
    }
}

TEST(IniWriteTest, WriteReplacesOrAppendsAndKeepsOtherLines) {
    const string file =
        "; settings\n"
        "[System]\n"
        "  web2cdir = /old/\n"
        "Unknown=kept\n"
        "\n"
        "; trailing comment\n"
        "[Options]\n"
        "[System]\n"
        "Web2cDir=/second/\n";
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        const char* expected;
    };
    const Case cases[] = {
        {"SYSTEM", "Web2cDir", "/new/",
         "; settings\n[System]\nweb2cdir=/new/\nUnknown=kept\n\n; trailing comment\n[Options]\n"
         "[System]\nWeb2cDir=/second/\n"},
        {"System", "MainExtension", "TEX",
         "; settings\n[System]\n  web2cdir = /old/\nUnknown=kept\nMainExtension=TEX\n\n; trailing comment\n"
         "[Options]\n[System]\nWeb2cDir=/second/\n"},
        {"options", "Menubar", "1",
         "; settings\n[System]\n  web2cdir = /old/\nUnknown=kept\n\n; trailing comment\n[Options]\nMenubar=1\n"
         "[System]\nWeb2cDir=/second/\n"},
        {"Screens", "Ratio", "0.5",
         "; settings\n[System]\n  web2cdir = /old/\nUnknown=kept\n\n; trailing comment\n[Options]\n"
         "[System]\nWeb2cDir=/second/\n[Screens]\nRatio=0.5\n"},
    };
    for (const Case& c : cases) {
        IniDocument doc(file);
        doc.writeString(c.section, c.key, c.value);
        EXPECT_EQ(doc.text(), c.expected) << c.section << " / " << c.key;
        EXPECT_EQ(IniDocument(doc.text()).value(c.section, c.key), c.value) << c.section << " / " << c.key;
    }
}

TEST(IniWriteTest, AWritePassKeepsItsOwnOrder) {
    IniDocument doc("[S]\nA=1\n\n; end\n");
    doc.writeString("S", "B", "2");
    doc.writeInteger("S", "C", -3);
    doc.writeBool("S", "B", false);
    doc.writeBool("s", "a", true);
    doc.writeInteger("New", "X", 4);
    doc.writeInteger("NEW", "Y", 5);
    doc.writeInteger("New", "x", 6);
    EXPECT_EQ(doc.text(), "[S]\nA=1\nB=0\nC=-3\n\n; end\n[New]\nX=6\nY=5\n");
}

TEST(IniWriteTest, EmptyDocumentGainsTheSection) {
    IniDocument doc("");
    EXPECT_EQ(doc.text(), "");
    doc.writeString("S", "K", "v");
    EXPECT_EQ(doc.text(), "[S]\nK=v\n");
}

TEST(IniWriteTest, LineBreaksFollowTheFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"[A]\nk=1\n", "[A]\nk=1\nk2=v\n"},
        {"[A]\r\nk=1\r\n", "[A]\r\nk=1\r\nk2=v\r\n"},
        {"[A]\nk=1", "[A]\nk=1\nk2=v\n"},
        {"[A]\r\nk=1", "[A]\r\nk=1\r\nk2=v\r\n"},
        {"[A]\nx\r\nk=1\n", "[A]\nx\r\nk=1\nk2=v\n"},
        {"[A]\r\nx\nk=1\r\n", "[A]\r\nx\nk=1\r\nk2=v\r\n"},
    };
    for (const auto& [input, expected] : cases) {
        IniDocument doc(input);
        EXPECT_EQ(doc.value("A", "k"), "1") << input;
        doc.writeString("A", "k2", "v");
        EXPECT_EQ(doc.text(), expected);
    }
}

TEST(IniWriteTest, ValuesReadBackAsWritten) {
    const string cases[] = {"plain", "", "  lead", "trail\t", "\"quoted\"", "\"", "\"\"", "say \"hi\"",
                            " \"both\" ", "a=b;c"};
    for (const string& value : cases) {
        IniDocument doc("[S]\nK=old\n");
        doc.writeString("S", "K", value);
        EXPECT_EQ(doc.value("S", "K"), value) << '[' << value << ']';
        EXPECT_EQ(IniDocument(doc.text()).value("S", "K"), value) << '[' << value << ']';
    }
}

TEST(IniWriteTest, LineBreaksInWrittenTextCannotAddLines) {
    IniDocument doc("[S]\nK=old\n");
    doc.writeString("S", "K", "a\r\nb=c\n[Evil]\nX=1");
    doc.writeString("Other\n[Evil]", "Key\nX", "v");
    const IniDocument reread(doc.text());
    EXPECT_EQ(reread.value("S", "K"), "a  b=c [Evil] X=1");
    EXPECT_EQ(reread.value("Other\n[Evil]", "Key\nX"), "v");
    EXPECT_EQ(reread.sectionNames(), (std::vector<string>{"S", "Other [Evil]"}));
    EXPECT_EQ(reread.keyNames("S"), std::vector<string>{"K"});
}

// A line break in a written name becomes a blank, and a lookup treats a CR
// or LF in the name it is given the same way; a file can still hold a lone
// CR inside a name. Every name the lists give is found by that name.
TEST(IniLookupTest, NamesWithALoneCrAreFoundAsListed) {
    struct Case {
        const char* file;
        const char* section;  // as listed
        const char* key;      // as listed
    };
    const Case cases[] = {
        {"[S]\na\rb=1\n", "S", "a\rb"},
        {"[S\rT]\nk=1\n", "S\rT", "k"},
        {"[S]\r\n\ra=1\r\n", "S", "a"},  // a CR at the name's end is a blank
        {"[S]\nx\r\ry=1\n", "S", "x\r\ry"},
    };
    for (const Case& c : cases) {
        const IniDocument doc(c.file);
        ASSERT_EQ(doc.sectionNames(), std::vector<string>{c.section}) << c.file;
        ASSERT_EQ(doc.keyNames(c.section), std::vector<string>{c.key}) << c.file;
        EXPECT_EQ(doc.value(c.section, c.key), "1") << c.file;
        const string blanked = withoutLineBreaks(c.key);
        EXPECT_EQ(doc.value(withoutLineBreaks(c.section), blanked), "1") << c.file;
        IniDocument written(c.file);
        ASSERT_TRUE(written.writeString(c.section, c.key, "2"));
        EXPECT_EQ(IniDocument(written.text()).keyNames(c.section).size(), 1u) << "replaced, not added: " << c.file;
        EXPECT_EQ(IniDocument(written.text()).value(c.section, c.key), "2") << c.file;
    }
}

// A key line is "name=value": a name holding "=" would read as a shorter name,
// and one starting with "[" or ";" as a section line or a comment. Such a
// write is refused and leaves the file as it was; names that merely hold
// those characters inside are written and read back.
TEST(IniWriteTest, KeyNamesNoLineCanHoldAreRefused) {
    const string file = "[S]\nK=old\n";
    const char* refused[] = {"a=b", "=", "[x]", "[x", ";c", "  ;c", "\t[x", "K="};
    for (const char* key : refused) {
        IniDocument doc(file);
        EXPECT_FALSE(doc.writeString("S", key, "v")) << key;
        EXPECT_FALSE(doc.writeString("New", key, "v")) << key;
        EXPECT_EQ(doc.text(), file) << key;
    }
    const char* written[] = {"a[b", "a;b", "x]", "  padded  ", "", "a b", "k\nx"};
    for (const char* key : written) {
        IniDocument doc(file);
        EXPECT_TRUE(doc.writeString("S", key, "v")) << key;
        EXPECT_EQ(IniDocument(doc.text()).value("S", key), "v") << key;
        EXPECT_EQ(IniDocument(doc.text()).value("S", "K"), "old") << key;
    }
}

TEST(IniWriteTest, SectionNameWithBracketReadsBack) {
    IniDocument doc;
    doc.writeString("a]b", "K", "v");
    EXPECT_EQ(IniDocument(doc.text()).value("a]b", "K"), "v");
}

TEST(IniRobustnessTest, BinaryBytesAndHugeLinesAreKept) {
    using namespace std::string_literals;
    const string head = "[Bin]\n"s + "\0\xff\xfe;[=]\x01\n"s + "[no close\n" + string(1 << 20, 'y') + "\n" + "Big=" +
                        string(1 << 20, 'z') + "\n";
    const string tail = "\xff\xfe\0\n"s;
    IniDocument doc(head + tail);
    // Compared as a whole: a failure would print megabytes.
    EXPECT_TRUE(doc.text() == head + tail);
    EXPECT_EQ(doc.value("Bin", "Big"), string(IniDocument::kValueLimit, 'z'));
    doc.writeString("Bin", "Added", "1");
    EXPECT_TRUE(doc.text() == head + "Added=1\n" + tail);
}

TEST(IniRobustnessTest, ByteOrderMarkDoesNotHideTheFirstSection) {
    const string file = "\xEF\xBB\xBF[System]\nA=1\n";
    IniDocument doc(file);
    EXPECT_EQ(doc.value("System", "A"), "1");
    doc.writeString("System", "A", "2");
    EXPECT_EQ(doc.text(), "\xEF\xBB\xBF[System]\nA=2\n");
}

// Random files made of the bytes that steer the parser: whatever they hold,
// the text comes back unchanged and a written key reads back after a reparse.
TEST(IniRobustnessTest, RandomFilesRoundTrip) {
    const string alphabet = "[]=;\" \t\r\naB\0", bytes(alphabet.data(), alphabet.size() + 1);
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> pick(0, bytes.size() - 1), length(0, 60);
    for (int round = 0; round < 3000; ++round) {
        string file;
        for (std::size_t i = length(random); i > 0; --i) file += bytes[pick(random)];
        file += '\n';
        IniDocument doc(file);
        ASSERT_EQ(doc.text(), file);
        doc.writeString("aB", "a", " \"v\r\n");
        ASSERT_EQ(IniDocument(doc.text()).value("AB", "A"), " \"v  ") << file;
    }
}

// One name of `lastLength` bytes after 1637 names of 9 bytes: 16370 bytes with
// separators, so 11 bytes still fit (16382) and 12 do not; a short name after
// a name that did not fit is not added either.
TEST(IniRobustnessTest, NameListsStopAtTheListLimit) {
    const std::pair<std::size_t, std::size_t> cases[] = {{11, 1638}, {12, 1637}};
    for (const auto& [lastLength, expectedCount] : cases) {
        std::vector<string> names;
        for (int i = 0; i < 1637; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "K%08d", i);
            names.emplace_back(name);
        }
        names.push_back(string(lastLength, 'L'));
        names.push_back("x");
        string keysFile = "[S]\n", sectionsFile;
        for (const string& name : names) {
            keysFile += name + "=1\n";
            sectionsFile += "[" + name + "]\n";
        }
        const std::vector<string> expected(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(expectedCount));
        EXPECT_EQ(IniDocument(keysFile).keyNames("S"), expected) << lastLength;
        EXPECT_EQ(IniDocument(sectionsFile).sectionNames(), expected) << lastLength;
    }
}

}  // namespace
}  // namespace orvo
