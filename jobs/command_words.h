#pragma once
// Command lines are split into a program and its arguments without a shell:
// blanks (space, tab) separate words, double quotes group blanks into a word
// and are removed, a backslash is taken literally except in \" (a literal
// double quote). Nothing is expanded, so "$", ";", "&" and "*" reach the
// program unchanged.
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

std::vector<std::string> splitCommandWords(std::string_view commandLine);

// The first word as written (quotes kept) and the rest, trimmed.
struct CommandLineParts {
    std::string program;
    std::string parameters;
};
CommandLineParts splitProgramPart(std::string_view commandLine);

}  // namespace orvo
