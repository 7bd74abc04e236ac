#include "jobs/command_words.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

using Words = std::vector<std::string>;

TEST(CommandWords, SplitAtBlanksGroupByQuotesAndKeepEverythingElse) {
    struct Case {
        const char* line;
        Words words;
    };
    const Case cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"cat", {"cat"}},
        {"  /usr/bin/orvocmd   /c  COMPILER.BTM paper.tex N latex ",
         {"/usr/bin/orvocmd", "/c", "COMPILER.BTM", "paper.tex", "N", "latex"}},
        {"latex \"my paper.tex\"", {"latex", "my paper.tex"}},
        {"a\"b c\"d", {"ab cd"}},
        {"x \"\" y", {"x", "", "y"}},
        {"echo \\\"quoted\\\"", {"echo", "\"quoted\""}},
        {"C:\\TEX\\BIN\\latex a\\b", {"C:\\TEX\\BIN\\latex", "a\\b"}},
        {"sh -c 'echo $HOME; rm *'", {"sh", "-c", "'echo", "$HOME;", "rm", "*'"}},
        {"prog \"unterminated arg", {"prog", "unterminated arg"}},
        {"tab\tseparated", {"tab", "separated"}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitCommandWords(c.line), c.words) << c.line;
}

TEST(CommandWords, ProgramPartIsTheFirstWordAsWrittenAndTheRestTrimmed) {
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
