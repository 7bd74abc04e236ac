#include "actions/orvoproject/tex_marks.h"

#include <gtest/gtest.h>

#include "actions/orvoproject/outline_fixture.h"

namespace orvo {
namespace {

// "2 \section [Title]:3" for a heading of level 2 on line 3, "in \input [ch1]:1"
// for an input.
std::vector<std::string> described(const std::vector<TexMark>& marks) {
    std::vector<std::string> lines;
    for (const TexMark& m : marks) {
        std::string kind = m.kind == TexMark::Kind::Input ? "in" : std::to_string(m.level);
        lines.push_back(kind + " " + m.mark + " [" + m.text + "]:" + std::to_string(m.line));
    }
    return lines;
}

using Lines = std::vector<std::string>;

struct Case {
    const char* name;
    std::string text;
    Lines found;
};

void expectCases(const std::vector<Case>& cases, const MarkRoles& roles) {
    for (const Case& c : cases) EXPECT_EQ(described(findTexMarks(c.text, roles)), c.found) << c.name;
}

TEST(TexMarks, FindsEachLevelAndItsLine) {
    expectCases({{"every level",
                  "\\part{P}\n\\chapter{C}\n\\section{S}\n\\subsection{SS}\n\\subsubsection{SSS}\n",
                  {"0 \\part [P]:1", "1 \\chapter [C]:2", "2 \\section [S]:3", "3 \\subsection [SS]:4",
                   "4 \\subsubsection [SSS]:5"}},
                 {"the bibliography counts as a chapter", "\\bibliography{refs}", {"1 \\bibliography [refs]:1"}},
                 {"CR LF and a lone CR end lines", "a\r\n\\section{B}\r\\section{C}\n\\section{D}",
                  {"2 \\section [B]:2", "2 \\section [C]:3", "2 \\section [D]:4"}},
                 {"two on one line", "\\section{A}\\section{B}", {"2 \\section [A]:1", "2 \\section [B]:1"}}},
                test::defaultRoles());
}

TEST(TexMarks, CommentsHideMarksButAnEscapedPercentIsNoComment) {
    expectCases({{"a comment line", "% \\section{Hidden}\n\\section{Shown}", {"2 \\section [Shown]:2"}},
                 {"a comment after text", "text % \\section{Hidden}\n", {}},
                 {"an escaped percent", "50\\% \\section{After the percent}", {"2 \\section [After the percent]:1"}},
                 {"a line break, then a comment", "a\\\\% \\section{Hidden}\n\\section{Next}",
                  {"2 \\section [Next]:2"}},
                 {"a comment inside a title", "\\section{A % note\n  B}", {"2 \\section [A B]:1"}},
                 {"a comment between mark and title", "\\section % short\n{Title}", {"2 \\section [Title]:1"}},
                 {"a comment keeps the line count", "%\n%\n\\section{Three}", {"2 \\section [Three]:3"}}},
                test::defaultRoles());
}

TEST(TexMarks, TakesStarsOptionalArgumentsAndTheLongTitle) {
    expectCases({{"optional argument", "\\section[Short]{Long title}", {"2 \\section [Long title]:1"}},
                 {"starred", "\\section*{Star}", {"2 \\section* [Star]:1"}},
                 {"star, blanks and both arguments", "\\chapter* [x] {Both}", {"1 \\chapter* [Both]:1"}},
                 {"braces in the optional argument", "\\section[a {]} b]{Real}", {"2 \\section [Real]:1"}},
                 {"nested braces", "\\section{The {\\em big} one}", {"2 \\section [The {\\em big} one]:1"}},
                 {"an escaped brace", "\\section{a\\}b}", {"2 \\section [a\\}b]:1"}},
                 {"a title over two lines", "\\section{A long\n   title}\n\\section{Next}",
                  {"2 \\section [A long title]:1", "2 \\section [Next]:3"}},
                 {"blanks collapsed", "\\section{ a \t  b }", {"2 \\section [a b]:1"}}},
                test::defaultRoles());
}

TEST(TexMarks, OnlyWholeControlWordsWithATitleAreMarks) {
    expectCases({{"a longer control word", "\\sectionmark{x}\\section{Real}", {"2 \\section [Real]:1"}},
                 {"case matters", "\\Section{No}", {}},
                 {"no argument", "\\section \\relax \\chapter.", {}},
                 {"definitions", "\\renewcommand\\chapter{x}\\renewcommand*{\\section}{y}\\def\\part{z}\\let\\input\\x",
                  {}},
                 {"a definition is of the next command only", "\\def\\x{y}\\section{S}", {"2 \\section [S]:1"}},
                 {"a paragraph between mark and braces", "\\section\n\n{Not an argument}", {}},
                 {"a title not closed ends with its paragraph", "\\section{Runaway\n\n\\section{Next}",
                  {"2 \\section [Runaway]:1", "2 \\section [Next]:3"}},
                 {"a title not closed at the end", "\\section{Open", {"2 \\section [Open]:1"}},
                 {"a backslash at the end", "\\", {}},
                 {"a stray brace in the optional argument", "\\section[a}b]{x}", {}}},
                test::defaultRoles());
}

TEST(TexMarks, VerbatimTextHoldsNoMarks) {
    expectCases({{"\\verb", "\\verb|\\section{No}| \\section{Yes}", {"2 \\section [Yes]:1"}},
                 {"\\verb*", "\\verb*+\\chapter{No}+", {}},
                 {"\\verb ends at its line", "\\verb|open\n\\section{Yes}", {"2 \\section [Yes]:2"}},
                 {"verbatim environment", "\\begin{verbatim}\n\\section{No}\n\\end{verbatim}\n\\section{Yes}",
                  {"2 \\section [Yes]:4"}},
                 {"lstlisting environment", "\\begin{lstlisting}\\section{No}\\end{lstlisting}\\section{Yes}",
                  {"2 \\section [Yes]:1"}},
                 {"a verbatim environment not closed", "\\begin{verbatim}\n\\section{No}", {}},
                 {"other environments are read", "\\begin{center}\\section{Yes}\\end{center}",
                  {"2 \\section [Yes]:1"}}},
                test::defaultRoles());
}

TEST(TexMarks, FindsInputsInBothForms) {
    expectCases({{"braces", "\\input{ch1}\n\\include{parts/ch2}", {"in \\input [ch1]:1", "in \\include [parts/ch2]:2"}},
                 {"plain TeX form", "\\input ch3 \\section{X}", {"in \\input [ch3]:1", "2 \\section [X]:1"}},
                 {"plain TeX form ends at a comment", "\\input ch4% note", {"in \\input [ch4]:1"}},
                 {"plain TeX form on the next line", "\\input\n ch5", {"in \\input [ch5]:1"}},
                 {"blanks around the name", "\\input{ ch6 }", {"in \\input [ch6]:1"}},
                 {"no name", "\\input{} \\input \\relax", {}},
                 {"a longer control word", "\\inputencoding{latin1}", {}},
                 {"in a comment", "%\\include{no}", {}}},
                test::defaultRoles());
}

TEST(TexMarks, RolesComeFromTheProjectSectionsLists) {
    ProjectMarks marks;
    marks.InputMarks = "\\input;\\subfile;";
    marks.ChapterMarks = " \\chapter ; \\addchap";  // blanks around, no closing ";"
    marks.SectionMarks = "\\section;\\chapter;\\sec2;\\begin{table};";
    marks.Verbatim = "\\verb;\\lstinline";
    MarkRoles roles = markRoles(marks);
    EXPECT_EQ(roles.input, (Lines {"\\input", "\\subfile"}));
    EXPECT_EQ(roles.levels[1], (Lines {"\\chapter", "\\addchap"}));
    EXPECT_EQ(roles.levels[2], (Lines {"\\section", "\\chapter"})) << "only control words";
    expectCases({{"own marks", "\\subfile{a}\\addchap{B}\\chapter{C}\\lstinline!\\section{no}!\\section{D}",
                  {"in \\subfile [a]:1", "1 \\addchap [B]:1", "1 \\chapter [C]:1", "2 \\section [D]:1"}},
                 {"no part marks", "\\part{P}", {}}},
                roles);
}

TEST(TexMarks, CutsALongTitleBeforeASplitCharacter) {
    std::string title(kLongestTitle - 1, 'a');
    std::vector<TexMark> marks = findTexMarks("\\section{" + title + "\xC3\xA4 and more}\\section{Next}",
                                              test::defaultRoles());
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].text, title) << "the two-byte character at the cut goes whole";
    EXPECT_EQ(marks[1].text, "Next");
    marks = findTexMarks("\\section{" + std::string(5 * kLongestTitle, 'b') + "}", test::defaultRoles());
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].text.size(), kLongestTitle);
}

}  // namespace
}  // namespace orvo
