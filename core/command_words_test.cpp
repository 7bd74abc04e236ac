#include "core/command_words.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLine, BlanksSeparateQuotesGroupBackslashesStay) {
    struct Case {
        const char* line;
        Words words;
    };
    const Case cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"orvocmd /c COMPILER.BTM paper.tex N", {"orvocmd", "/c", "COMPILER.BTM", "paper.tex", "N"}},
        {"  a \t b  ", {"a", "b"}},
        {"xdvi \"my paper.dvi\"", {"xdvi", "my paper.dvi"}},
        {"a\"b c\"d", {"ab cd"}},
        {"x \"\" y", {"x", "", "y"}},
        {"say \\\"hi\\\"", {"say", "\"hi\""}},
        {"\"quote \\\" inside\"", {"quote \" inside"}},
        {"C:\\tex\\bin\\latex.exe a\\b\\", {"C:\\tex\\bin\\latex.exe", "a\\b\\"}},
        {"\\\\server\\share", {"\\\\server\\share"}},
        {"\"unclosed quote runs on", {"unclosed quote runs on"}},
        {"$HOME;rm -rf `x` & y", {"$HOME;rm", "-rf", "`x`", "&", "y"}},
        {"'single quotes' mean nothing", {"'single", "quotes'", "mean", "nothing"}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitCommandLine(c.line), c.words) << c.line;
}

TEST(QuoteWord, EveryWordSplitsBackAsItself) {
    const char* words[] = {"plain",    "",           "two words",     "tab\there",  "say \"hi\"",
                           "\"",       "\\",         "ends in \\",    "a\\\\",      "back\\\"slash quote",
                           "$(rm x)",  "a;b&c|d`e`", "'single' \" ", "\\\"",       "  lead and trail  "};
    for (const char* word : words) {
        EXPECT_EQ(splitCommandLine(quoteWord(word)), Words {word}) << quoteWord(word);
        EXPECT_EQ(splitCommandLine("prog " + quoteWordIfNeeded(word) + " next"), (Words {"prog", word, "next"}))
            << quoteWordIfNeeded(word);
    }
}

TEST(QuoteWord, OnlyWordsThatNeedItGetQuotes) {
    EXPECT_EQ(quoteWordIfNeeded("paper.tex"), "paper.tex");
    EXPECT_EQ(quoteWordIfNeeded("a$b;c"), "a$b;c");
    EXPECT_EQ(quoteWordIfNeeded("my paper.tex"), "\"my paper.tex\"");
    EXPECT_EQ(quoteWordIfNeeded(""), "\"\"");
    EXPECT_EQ(quoteWord("dir\\"), "\"dir\"\\");
}

TEST(SplitProgramPart, FirstWordAsWrittenAndTheRestTrimmed) {
    struct Case {
        const char* line;
        const char* program;
        const char* parameters;
    };
    const Case cases[] = {
        {"", "", ""},
        {"cat", "cat", ""},
        {"  /opt/orvo/orvocmd /c  X.BTM a  ", "/opt/orvo/orvocmd", "/c  X.BTM a"},
        {"\"/opt/my tools/cmd\" -x", "\"/opt/my tools/cmd\"", "-x"},
    };
    for (const Case& c : cases) {
        CommandLineParts parts = splitProgramPart(c.line);
        EXPECT_EQ(parts.program, c.program) << c.line;
        EXPECT_EQ(parts.parameters, c.parameters) << c.line;
    }
}

}  // namespace
}  // namespace orvo
