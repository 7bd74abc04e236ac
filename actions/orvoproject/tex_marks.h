#pragma once
// Finding the project marks in the text of one TeX file: the headings the
// outline shows and the commands that read another file. The scan knows as
// much TeX as an outline needs: "%" starts a comment unless escaped, a
// control word ends at the first non-letter, "\verb|...|" and the verbatim
// environments hold no commands, a heading takes an optional "*", an
// optional "[...]" and its "{...}" title, and an input takes "{name}" or the
// plain TeX form "\input name".
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

struct ProjectMarks;

// The outline's levels, from the part down to the subsubsection.
inline constexpr int kOutlineLevels = 5;

// The control words of each role, "\" and letters each. The lists of
// ConfigFile may hold other words (a caption type such as
// "\begin{table}"); such words mark nothing here.
struct MarkRoles {
    std::vector<std::string> input;
    std::vector<std::string> verbatim;
    std::vector<std::string> levels[kOutlineLevels];
};

// The roles from the marks of a project section. A word in two lists takes
// the first role: input, verbatim, then the levels from the part down.
MarkRoles markRoles(const ProjectMarks& marks);

struct TexMark {
    enum class Kind { Heading, Input };
    Kind kind = Kind::Heading;
    int level = 0;      // headings: 0 (part) to kOutlineLevels - 1
    std::string mark;   // the control word as written, "*" kept: "\section*"
    std::string text;   // the title with blanks collapsed, or the file name as written
    int line = 1;       // of the control word, from 1
};

// Titles longer than this are cut (the scan goes on to the title's end).
inline constexpr std::size_t kLongestTitle = 1000;

// The marks of `text` in order. Never fails: a title that is not closed
// ends at the end of its paragraph (a blank line), as TeX ends it.
std::vector<TexMark> findTexMarks(std::string_view text, const MarkRoles& roles);

}  // namespace orvo
