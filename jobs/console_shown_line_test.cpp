#include "jobs/console_shown_line.h"

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <string>

namespace orvo {
namespace {

std::string repeated(std::string_view piece, std::size_t bytes) {
    std::string text;
    while (text.size() < bytes) text += piece;
    text.resize(bytes);
    return text;
}

TEST(ConsoleShownLine, ALongLineIsShownCutOnACharacterWithAMarker) {
    struct Case {
        const char* name;
        std::string line;
        std::size_t shownBytes;  // of the line, before any marker
        bool cut;
    };
    const Case cases[] = {
        {"short", "This is TeX", 11, false},
        {"empty", "", 0, false},
        {"just fits", std::string(kShownLineBytes, 'x'), kShownLineBytes, false},
        {"one byte over", std::string(kShownLineBytes + 1, 'x'), kShownLineBytes, true},
        {"two-byte characters", repeated("\xc3\xa9", kShownLineBytes + 10), kShownLineBytes, true},
        // 65536 is one byte into a three-byte character: the cut goes before it.
        {"three-byte characters", repeated("\xe2\x82\xac", kShownLineBytes + 30), kShownLineBytes - 1, true},
        {"four-byte characters", repeated("\xf0\x9f\x98\x80", kShownLineBytes + 4), kShownLineBytes, true},
        {"no UTF-8", repeated("\x80", kShownLineBytes + 9), kShownLineBytes - 3, true},
    };
    for (const Case& c : cases) {
        std::string expected = c.line.substr(0, c.shownBytes);
        if (c.cut) expected += cutLineMarker(c.line.size());
        EXPECT_EQ(shownText(c.line), expected) << c.name;
        EXPECT_GE(shownLength(c.line.size()), expected.size()) << c.name;
    }
    EXPECT_EQ(cutLineMarker(16777216), "  [... cut: 16777216 bytes in all]");
}

TEST(ConsoleShownLine, OnlyTheColumnsAskedForAreTaken) {
    std::string line = std::string(kShownLineBytes - 2, 'x') + "ab" + "cdef";
    std::string marker = cutLineMarker(line.size());
    struct Case {
        std::string_view line;
        std::size_t first;
        std::size_t count;
        std::string shown;
    };
    const Case cases[] = {
        {"h\xc3\xa9llo w\xc3\xb6rld", 1, 4, "\xc3\xa9llo"},
        {"h\xc3\xa9llo w\xc3\xb6rld", 7, 100, "\xc3\xb6rld"},
        {"h\xc3\xa9llo", 5, 3, ""},
        {"h\xc3\xa9llo", 0, 0, ""},
        {"\xa9x", 0, 1, "\xa9x"},  // a stray continuation byte goes with the first column
        {line, kShownLineBytes - 2, 5, "ab" + marker.substr(0, 3)},
        {line, kShownLineBytes + 1, 4, marker.substr(1, 4)},
        {line, kShownLineBytes + marker.size(), 10, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shownColumns(c.line, c.first, c.count), c.shown)
            << testing::PrintToString(std::string(c.line.substr(0, 20))) << " from " << c.first;
    }
}

// A line of a gigabyte of which only the first 128 KiB can be read: any
// look further would crash the test. Showing it reads no byte behind the cut.
TEST(ConsoleShownLine, ShowingAHugeLineReadsNothingBehindTheCut) {
    constexpr std::size_t kSize = std::size_t(1) << 30;
    constexpr std::size_t kReadable = std::size_t(128) << 10;
    void* memory = mmap(nullptr, kSize, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(memory, MAP_FAILED);
    ASSERT_EQ(mprotect(memory, kReadable, PROT_READ | PROT_WRITE), 0);
    char* bytes = static_cast<char*>(memory);
    std::fill(bytes, bytes + kReadable, 'y');
    std::string_view line(bytes, kSize);

    std::string marker = cutLineMarker(kSize);
    EXPECT_EQ(shownText(line), std::string(kShownLineBytes, 'y') + marker);
    EXPECT_EQ(shownColumns(line, 1000, 3), "yyy");
    EXPECT_EQ(shownColumns(line, kShownLineBytes - 1, 3), "y" + marker.substr(0, 2));
    EXPECT_EQ(shownColumns(line, kSize - 10, 10), "");
    EXPECT_GE(shownLength(kSize), shownText(line).size());
    munmap(memory, kSize);
}

}  // namespace
}  // namespace orvo
