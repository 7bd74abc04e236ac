#include "core/text_decoding.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

TEST(TextDecoding, TellsUtf8FromOtherBytes) {
    struct Case {
        const char* name;
        std::string bytes;
        bool utf8;
    };
    const Case cases[] = {
        {"ASCII", "Main file", true},
        {"umlauts", "Gr\xC3\xB6\xC3\x9F" "e", true},
        {"euro sign", "\xE2\x82\xAC", true},
        {"four-byte", "\xF0\x9F\x98\x80", true},
        {"windows-1252 umlaut", "Gr\xF6\xDF" "e", false},
        {"truncated sequence at the end", "ab\xC3", false},
        {"overlong slash", "\xC0\xAF", false},
        {"surrogate", "\xED\xA0\x80", false},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", false},
        {"stray continuation byte", "\x80", false},
    };
    for (const Case& c : cases) EXPECT_EQ(isValidUtf8(c.bytes), c.utf8) << c.name;
}

TEST(TextDecoding, DecodesEachLanguagesCodePage) {
    struct Case {
        const char* charset;
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"WESTERN", "\xC4nderung \x80", "\xC3\x84nderung \xE2\x82\xAC"},
        {"", "\xFC", "\xC3\xBC"},                                     // unknown name: Western
        {"EASTEUROPE", "\x8A\xB9", "\xC5\xA0\xC4\x85"},             // Š ą
        {"238", "\xB3\xF3", "\xC5\x82\xC3\xB3"},                     // ł ó
        {"RUSSIAN", "\xCF\xF0\xE8", "\xD0\x9F\xD1\x80\xD0\xB8"},     // При
        {"WESTERN", "\x81", "\xEF\xBF\xBD"},                         // undefined byte
    };
    for (const Case& c : cases) EXPECT_EQ(decodeWindowsCodePage(c.bytes, c.charset), c.utf8) << c.charset;
    EXPECT_EQ(textAsUtf8("\xEF\xBB\xBFK\xC3\xA4se", "RUSSIAN"), "K\xC3\xA4se") << "UTF-8 stays, its mark goes";
    EXPECT_EQ(textAsUtf8("K\xE4se", "WESTERN"), "K\xC3\xA4se");
}

TEST(TextDecoding, SplitsLinesAtLfAndCrLf) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitTextLines("a\r\nb\nc"), (Lines {"a", "b", "c"}));
    EXPECT_EQ(splitTextLines("a\n\nb\n"), (Lines {"a", "", "b"}));
    EXPECT_EQ(splitTextLines(""), Lines {});
    EXPECT_EQ(splitTextLines("\n"), Lines {""});
}

TEST(TextDecoding, MakesBinaryAndOverlongLinesDisplayable) {
    EXPECT_EQ(displayableLine(std::string("a\0b\x01\tc\x7F", 7), 100), "ab c");
    EXPECT_EQ(displayableLine(std::string(1 << 20, 'x'), 4096).size(), 4096u);
    // "ö" is two bytes: a cut in its middle drops it whole.
    EXPECT_EQ(displayableLine("ab\xC3\xB6", 3), "ab");
    EXPECT_EQ(displayableLine("ab\xC3\xB6", 4), "ab\xC3\xB6");
}

}  // namespace
}  // namespace orvo
