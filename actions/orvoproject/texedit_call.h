#pragma once
// Opening a file at a line through a `TeXEdit` template, as the TeX programs
// do at an error: "%s" stands for the file and "%d" for the line.
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

// The program and its arguments: the template's words, split as command
// lines are, with "%s" and "%d" in each word replaced. The file and the line
// go into the words after the split, so a file name with blanks or quotes
// stays one argument, and what they bring is never searched for "%s" or
// "%d" again. Every other "%" stays as it is. Empty for a template without
// words.
std::vector<std::string> teXEditArguments(std::string_view teXEdit, const std::string& file, int line);

}  // namespace orvo
