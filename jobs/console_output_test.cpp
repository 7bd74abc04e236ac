#include "jobs/console_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvo {
namespace {

using Lines = std::vector<std::string>;

Lines linesOf(const ConsoleOutput& output) {
    Lines lines;
    for (std::size_t i = 0; i < output.lineCount(); ++i) lines.emplace_back(output.line(i));
    return lines;
}

// Job output given in one piece and then split at every position: the lines
// must not depend on how the pipe cut the data.
TEST(ConsoleOutput, BreaksLinesTheSameWayWhereverTheDataIsCut) {
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b", ""}},
        {"a\nb\n", {"a", "b", ""}},
        {"a\n\rb", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"\n", {"", ""}},
        {"no break", {"no break"}},
        {"x\ty", {"x       y"}},
        {"\tz", {"        z"}},
        {"1234567\t8\t9", {"1234567 8       9"}},
        {"ab\n\tc", {"ab", "        c"}},
        {"\xc3\xa9\tx", {"\xc3\xa9       x"}},  // é takes one column
    };
    for (const Case& c : cases) {
        for (std::size_t cut = 0; cut <= c.bytes.size(); ++cut) {
            ConsoleOutput output;
            output.appendOutput(c.bytes.substr(0, cut));
            output.appendOutput(c.bytes.substr(cut));
            EXPECT_EQ(linesOf(output), c.lines) << "case " << testing::PrintToString(c.bytes) << " cut at " << cut;
        }
    }
}

TEST(ConsoleOutput, OutputContinuesTheLastListedLine) {
    ConsoleOutput output;
    output.appendLine("orvocmd /c COMPILER.BTM paper.tex");
    output.appendLine("");
    output.appendLine("");
    output.appendOutput("This is TeX\n");
    EXPECT_EQ(linesOf(output), (Lines {"orvocmd /c COMPILER.BTM paper.tex", "", "This is TeX", ""}));
}

TEST(ConsoleOutput, ABreakLeftFromTheLastJobDoesNotSwallowTheNextOne) {
    ConsoleOutput output;
    output.appendOutput("end of job\r");
    output.appendLine("next");
    output.appendOutput("\nout");
    EXPECT_EQ(linesOf(output), (Lines {"end of job", "", "next", "out"}));
}

TEST(ConsoleOutput, ClearingStartsANewListAndTellsViewsSo) {
    ConsoleOutput output;
    output.appendOutput("one\r");
    auto generation = output.generation();
    output.clear();
    EXPECT_NE(output.generation(), generation);
    EXPECT_EQ(output.lineCount(), 0u);
    output.appendOutput("\ntwo");  // the old CR is forgotten
    EXPECT_EQ(linesOf(output), (Lines {"", "two"}));
}

TEST(ConsoleOutput, LongLinesAndManyLinesKeepTheirBytes) {
    ConsoleOutput output;
    std::string longLine(3u << 20, 'x');  // longer than a block, given in pieces
    for (std::size_t i = 0; i < longLine.size(); i += 100000) output.appendOutput(longLine.substr(i, 100000));
    output.appendOutput("\n");
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "line " + std::to_string(i) + "\n";
    output.appendOutput(text);
    ASSERT_EQ(output.lineCount(), 200002u);
    EXPECT_EQ(output.line(0), longLine);
    EXPECT_EQ(output.line(1), "line 0");
    EXPECT_EQ(output.line(123457), "line 123456");
    EXPECT_EQ(output.line(200000), "line 199999");
    EXPECT_EQ(output.line(200001), "");
    EXPECT_EQ(output.longestLine(), longLine.size());
    // Compact: blocks hold little more than the text itself.
    std::size_t textBytes = longLine.size() + text.size();
    EXPECT_LT(output.reservedBytes(), textBytes + (textBytes >> 2) + (4u << 20));
}

// What a list bounded to a few kilobytes keeps of many lines: the newest,
// in order, below one line that counts the others.
TEST(ConsoleOutput, ABoundedListKeepsTheNewestLinesBelowOneCountLine) {
    constexpr std::size_t kBound = 4096;
    constexpr std::size_t kLines = 3000;
    struct Case {
        const char* name;
        std::size_t length;
        bool asOutput;  // job output with LF, or lines listed one by one
    };
    const Case cases[] = {
        {"one-byte lines", 1, true},
        {"80-byte lines", 80, true},
        {"lines nearly filling a block", 250, true},
        {"lines longer than a block", 700, true},
        {"listed lines", 30, false},
    };
    for (const Case& c : cases) {
        // Line i: its number, then a letter of its own up to the length.
        auto make = [&](std::size_t i) {
            std::string text = std::to_string(i) + ":";
            text.resize(std::max(c.length, text.size()), char('a' + i % 26));
            return c.length == 1 ? std::string(1, char('a' + i % 26)) : text;
        };
        // After `given` lines; job output has an empty line below them.
        auto expectNewest = [&](const ConsoleOutput& output, std::size_t given) {
            ASSERT_GT(output.droppedLines(), 0u) << c.name;
            EXPECT_EQ(output.line(0), "... " + std::to_string(output.droppedLines()) + " earlier lines dropped ...")
                << c.name;
            EXPECT_EQ(output.droppedLines() + output.lineCount() - 1, given + (c.asOutput ? 1 : 0)) << c.name;
            for (std::size_t row = 1; row < output.lineCount(); ++row) {
                std::size_t i = std::size_t(output.droppedLines()) + row - 1;
                std::string expected = i < given ? make(i) : "";
                ASSERT_EQ(output.line(row), expected) << c.name << " row " << row;
            }
            // Dropping whole blocks takes what is needed, not the whole list.
            EXPECT_GE(output.heldBytes(), kBound / 8) << c.name;
        };
        ConsoleOutput output(kBound);
        for (std::size_t i = 0; i < kLines; ++i) {
            if (c.asOutput) output.appendOutput(make(i) + "\n");
            else output.appendLine(make(i));
            ASSERT_LE(output.heldBytes(), kBound) << c.name << " line " << i;
            if (i == kLines / 2) expectNewest(output, i + 1);
        }
        expectNewest(output, kLines);
    }
}

// Empty lines hold no bytes, only their references: a job writing nothing
// but line breaks must be bounded all the same.
TEST(ConsoleOutput, EmptyLinesStayWithinTheBound) {
    constexpr std::size_t kBound = 4096;
    for (bool asOutput : {true, false}) {
        ConsoleOutput output(kBound);
        constexpr std::size_t kLines = 20000;
        for (std::size_t i = 0; i < kLines; ++i) {
            if (asOutput) output.appendOutput("\n");
            else output.appendLine("");
            ASSERT_LE(output.heldBytes(), kBound) << asOutput << " line " << i;
        }
        ASSERT_GT(output.droppedLines(), 0u) << asOutput;
        EXPECT_EQ(output.droppedLines() + output.lineCount() - 1, kLines + (asOutput ? 1 : 0)) << asOutput;
        EXPECT_EQ(output.line(output.lineCount() - 1), "") << asOutput;
        output.appendOutput("text");
        EXPECT_EQ(output.line(output.lineCount() - 1), "text") << asOutput;
    }
}

TEST(ConsoleOutput, OutputGoesOnAsBeforeOnceLinesWereDropped) {
    ConsoleOutput output(4096);
    for (int i = 0; i < 1000; ++i) output.appendOutput("line " + std::to_string(i) + "\n");
    std::uint64_t dropped = output.droppedLines();
    ASSERT_GT(dropped, 0u);
    output.appendOutput("a partial");
    output.appendOutput(" line\r");
    output.appendOutput("\nand\tone more");
    output.appendLine("listed");
    std::size_t count = output.lineCount();
    EXPECT_EQ(output.line(count - 3), "a partial line");
    EXPECT_EQ(output.line(count - 2), "and     one more");
    EXPECT_EQ(output.line(count - 1), "listed");
    EXPECT_EQ(output.line(count - 4), "line 999");
    EXPECT_EQ(output.droppedLines(), dropped);
    output.clear();
    EXPECT_EQ(output.droppedLines(), 0u);
    EXPECT_EQ(output.lineCount(), 0u);
    output.appendOutput("fresh");
    EXPECT_EQ(linesOf(output), (Lines {"fresh"}));
}

// One endless line cannot pass the bound: it goes on in new lines of at
// most maxLineBytes() each, every one starting with a whole character.
TEST(ConsoleOutput, AnEndlessLineGoesOnInNewLinesAndTheOldestGo) {
    const std::string characters[] = {"z", "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80"};
    for (const std::string& character : characters) {
        ConsoleOutput output(4096);
        std::string piece;
        for (int i = 0; i < 60; ++i) piece += character;
        std::size_t given = 0;
        for (int i = 0; i < 400; ++i) {
            output.appendOutput(piece);
            given += piece.size();
            ASSERT_LE(output.heldBytes(), 4096u);
        }
        ASSERT_GT(output.droppedLines(), 0u);
        std::size_t longest = output.maxLineBytes() / character.size() * character.size();
        std::size_t last = output.lineCount() - 1;
        for (std::size_t row = 1; row <= last; ++row) {
            std::string_view text = output.line(row);
            ASSERT_EQ(text.size() % character.size(), 0u) << row;
            for (std::size_t at = 0; at < text.size(); at += character.size()) {
                ASSERT_EQ(text.substr(at, character.size()), character) << row << " at " << at;
            }
            if (row < last) {
                EXPECT_EQ(text.size(), longest) << row;
            }
        }
        EXPECT_EQ(output.droppedLines() * longest + (last - 1) * longest + output.line(last).size(), given);
    }
}

}  // namespace
}  // namespace orvo
