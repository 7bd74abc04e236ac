#pragma once
// How a command line becomes a program and its arguments, with no shell
// involved: blanks (space, tab) separate words, double quotes group words and
// are removed, a backslash is an ordinary character except in `\"`, which
// stands for a double quote. Nothing is expanded, so `$`, `;`, `&`, `*` and
// backquotes reach the program as they are written.
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

// The words of `line`. A pair of quotes with nothing between them is an
// empty word; an unclosed quote runs to the end of the line.
std::vector<std::string> splitCommandLine(std::string_view line);

// The first word as written (quotes kept) and the rest, trimmed.
struct CommandLineParts {
    std::string program;
    std::string parameters;
};
CommandLineParts splitProgramPart(std::string_view line);

// `word` written so that splitCommandLine gives it back as one word: inside
// double quotes, each `"` written as `\"`. Trailing backslashes are put
// after the closing quote, where they cannot join it into `\"`.
std::string quoteWord(std::string_view word);
// `word` unchanged when it splits back as itself (not empty, no blank and no
// double quote), otherwise quoteWord(word).
std::string quoteWordIfNeeded(std::string_view word);

}  // namespace orvo
