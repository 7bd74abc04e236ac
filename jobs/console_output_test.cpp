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

}  // namespace
}  // namespace orvo
