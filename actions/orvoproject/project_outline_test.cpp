#include "actions/orvoproject/project_outline.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "actions/orvoproject/outline_fixture.h"

namespace orvo {
namespace {

using Kind = OutlineEntry::Kind;
using Lines = std::vector<std::string>;

class ProjectOutlineTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    OutlineLimits limits;

    ProjectOutline outline(const std::string& main = "/doc/main.tex") {
        return outlineProject(main, test::defaultRoles(), test::boundedReader(files), limits);
    }
};

// "parent|mark|text|file:line" for each entry, a file entry's kind in front of its text.
Lines described(const ProjectOutline& outline) {
    auto kind = [](Kind k) -> std::string {
        switch (k) {
            case Kind::Heading: return "";
            case Kind::MissingFile: return "missing ";
            case Kind::UnreadableFile: return "unreadable ";
            case Kind::TooLargeFile: return "too large ";
            case Kind::DocumentLimit: return "limit ";
            case Kind::IncludeCycle: return "cycle ";
            case Kind::ReadBefore: return "read before ";
        }
        return "?";
    };
    Lines lines;
    for (const OutlineEntry& e : outline.entries)
        lines.push_back(std::to_string(e.parent) + "|" + e.mark + "|" + kind(e.kind) + e.text + "|" + e.file + ":" +
                        std::to_string(e.line));
    return lines;
}

TEST_F(ProjectOutlineTest, ListsTheHeadingsOfThreeFilesInDocumentOrder) {
    files.addFile("/doc/main.tex", test::kThreeFileMain);
    files.addFile("/doc/ch1.tex", test::kThreeFileCh1);
    files.addFile("/doc/ch2.tex", test::kThreeFileCh2);
    ProjectOutline result = outline();
    EXPECT_EQ(described(result), (Lines {
                                     "-1|\\chapter|Introduction|/doc/main.tex:3",
                                     "0|\\section|Aims|/doc/main.tex:4",
                                     "-1|\\chapter|Methods|/doc/ch1.tex:2",
                                     "2|\\section|Setup|/doc/ch1.tex:3",
                                     "3|\\subsection|Tools|/doc/ch1.tex:4",
                                     "-1|\\chapter|Results|/doc/ch2.tex:1",
                                     "5|\\section|Numbers|/doc/ch2.tex:2",
                                     "5|\\section*|Closing|/doc/main.tex:7",
                                 }));
    EXPECT_EQ(result.filesRead, (Lines {"/doc/main.tex", "/doc/ch1.tex", "/doc/ch2.tex"}));
    EXPECT_FALSE(result.mainProblem);
}

TEST_F(ProjectOutlineTest, NestsByLevelSkippingMissingLevels) {
    files.addFile("/doc/main.tex", "\\subsection{Early}\\part{P}\\section{S}\\subsubsection{SSS}\\chapter{C}\\part{Q}");
    EXPECT_EQ(described(outline()), (Lines {
                                        "-1|\\subsection|Early|/doc/main.tex:1",
                                        "-1|\\part|P|/doc/main.tex:1",
                                        "1|\\section|S|/doc/main.tex:1",
                                        "2|\\subsubsection|SSS|/doc/main.tex:1",
                                        "1|\\chapter|C|/doc/main.tex:1",
                                        "-1|\\part|Q|/doc/main.tex:1",
                                    }));
}

TEST_F(ProjectOutlineTest, ReadsEachFileOnceAndListsCyclesWhereTheyClose) {
    files.addFile("/doc/main.tex", "\\input{a}\n\\input{a}\n\\section{End}\n");
    files.addFile("/doc/a.tex", "\\section{A}\n\\input{b}\n");
    files.addFile("/doc/b.tex", "\\input{a}\n\\input{main}\n\\input{b.tex}\n\\subsection{B}\n");
    ProjectOutline result = outline();
    EXPECT_EQ(described(result), (Lines {
                                     "-1|\\section|A|/doc/a.tex:1",
                                     "0|\\input|cycle a|/doc/b.tex:1",
                                     "0|\\input|cycle main|/doc/b.tex:2",
                                     "0|\\input|cycle b.tex|/doc/b.tex:3",
                                     "0|\\subsection|B|/doc/b.tex:4",
                                     "4|\\input|read before a|/doc/main.tex:2",
                                     "-1|\\section|End|/doc/main.tex:3",
                                 }));
    EXPECT_EQ(result.filesRead, (Lines {"/doc/main.tex", "/doc/a.tex", "/doc/b.tex"}));
}

TEST_F(ProjectOutlineTest, ListsFilesThatCannotBeReadWhereTheyAreNamedAndGoesOn) {
    files.addFile("/doc/main.tex",
                  "\\chapter{One}\n\\include{gone}\n\\input{secret}\n\\input{pipe}\n\\input{folder}\n\\section{Two}\n");
    files.unreadable["/doc/secret.tex"] = {FileError::Kind::System, EACCES};
    files.unreadable["/doc/pipe.tex"] = {FileError::Kind::NotRegularFile, 0};
    files.addDirectory("/doc/folder.tex");
    ProjectOutline result = outline();
    EXPECT_EQ(described(result), (Lines {
                                     "-1|\\chapter|One|/doc/main.tex:1",
                                     "0|\\include|missing gone|/doc/main.tex:2",
                                     "0|\\input|unreadable secret|/doc/main.tex:3",
                                     "0|\\input|unreadable pipe|/doc/main.tex:4",
                                     "0|\\input|unreadable folder|/doc/main.tex:5",
                                     "0|\\section|Two|/doc/main.tex:6",
                                 }));
    ASSERT_TRUE(result.entries[2].error);
    EXPECT_EQ(result.entries[2].error->code, EACCES);
    EXPECT_EQ(result.entries[3].error->kind, FileError::Kind::NotRegularFile);
    EXPECT_EQ(result.filesRead, Lines {"/doc/main.tex"});
}

TEST_F(ProjectOutlineTest, AMainFileThatGivesNoOutlineSaysWhy) {
    files.addFile("/doc/big.tex", std::string(100, '%'));
    files.unreadable["/doc/locked.tex"] = {FileError::Kind::System, EACCES};
    limits.fileBytes = 50;
    struct Case {
        const char* main;
        Kind problem;
    };
    const Case cases[] = {{"/doc/none.tex", Kind::MissingFile},
                          {"/doc/locked.tex", Kind::UnreadableFile},
                          {"/doc/big.tex", Kind::TooLargeFile},
                          {"/doc", Kind::UnreadableFile}};
    for (const Case& c : cases) {
        ProjectOutline result = outline(c.main);
        ASSERT_TRUE(result.mainProblem) << c.main;
        EXPECT_EQ(*result.mainProblem, c.problem) << c.main;
        EXPECT_TRUE(result.entries.empty()) << c.main;
        EXPECT_TRUE(result.filesRead.empty()) << c.main;
    }
    EXPECT_EQ(outline("/doc/locked.tex").mainError->code, EACCES);
}

TEST_F(ProjectOutlineTest, KeepsWithinItsLimits) {
    files.addFile("/doc/main.tex", "\\section{M}\\input{big}\\input{a}\\input{c}");
    files.addFile("/doc/big.tex", "\\section{Big}" + std::string(200, ' '));
    files.addFile("/doc/a.tex", "\\section{A}\\input{b}" + std::string(40, ' '));
    files.addFile("/doc/b.tex", "\\section{B}");
    files.addFile("/doc/c.tex", "\\section{C}" + std::string(60, ' '));
    limits.fileBytes = 100;
    limits.documentBytes = 150;
    EXPECT_EQ(described(outline()), (Lines {
                                        "-1|\\section|M|/doc/main.tex:1",
                                        "0|\\input|too large big|/doc/main.tex:1",
                                        "-1|\\section|A|/doc/a.tex:1",
                                        "-1|\\section|B|/doc/b.tex:1",
                                        "3|\\input|limit c|/doc/main.tex:1",
                                    }))
        << "c alone fits a file, not what is left of the document";

    limits = {};
    limits.depth = 2;
    EXPECT_EQ(described(outline())[3], "2|\\input|limit b|/doc/a.tex:1") << "main and a are two files deep";
    limits = {};
    limits.files = 2;
    EXPECT_EQ(described(outline())[2], "1|\\input|limit a|/doc/main.tex:1");

    limits = {};
    limits.entries = 3;
    ProjectOutline cut = outline();
    EXPECT_EQ(cut.entries.size(), 3u);
    EXPECT_TRUE(cut.cut);
    EXPECT_EQ(cut.filesRead, (Lines {"/doc/main.tex", "/doc/big.tex", "/doc/a.tex", "/doc/b.tex"}))
        << "b's first heading is one too many: nothing after it is read";
}

TEST_F(ProjectOutlineTest, IncludesAreFoundFromTheMainFilesFolder) {
    files.addFile("/doc/main.tex", "\\input{parts/p}\\input{fig.pgf}\\input{notes}\\input{\"my file\"}\\input{/abs/x}");
    files.addFile("/doc/parts/p.tex", "\\input{q}\\section{P}");
    files.addFile("/doc/q.tex", "\\section{Q, beside the main file}");
    files.addFile("/doc/parts/q.tex", "\\section{Q beside p: not read}");
    files.addFile("/doc/fig.pgf", "\\section{Fig}");
    files.addFile("/doc/notes.tex", "\\section{Notes.tex}");
    files.addFile("/doc/notes", "\\section{Notes without .tex: not read}");
    files.addFile("/doc/my file.tex", "\\section{Blank}");
    files.addFile("/abs/x.tex", "\\section{Abs}");
    ProjectOutline result = outline("/doc/./sub/../main.tex");
    EXPECT_EQ(result.filesRead, (Lines {"/doc/main.tex", "/doc/parts/p.tex", "/doc/q.tex", "/doc/fig.pgf",
                                        "/doc/notes.tex", "/doc/my file.tex", "/abs/x.tex"}));
    ASSERT_EQ(result.entries.size(), 6u);
    EXPECT_EQ(result.entries[0].text, "Q, beside the main file");
}

TEST(InputCandidates, AddTexAndResolveDots) {
    struct Case {
        const char* name;
        const char* folder;
        Lines candidates;
    };
    const Case cases[] = {
        {"ch1", "/doc/", {"/doc/ch1.tex", "/doc/ch1"}},
        {"ch1.tex", "/doc/", {"/doc/ch1.tex"}},
        {"ch1.TEX", "/doc/", {"/doc/ch1.TEX.tex", "/doc/ch1.TEX"}},
        {"fig.pgf", "/doc/", {"/doc/fig.pgf.tex", "/doc/fig.pgf"}},
        {"\"my file\"", "/doc/", {"/doc/my file.tex", "/doc/my file"}},
        {"./a/../b/c", "/doc/", {"/doc/b/c.tex", "/doc/b/c"}},
        {"../up", "/doc/", {"/up.tex", "/up"}},
        {"/abs/x.tex", "/doc/", {"/abs/x.tex"}},
        {"ch1", "", {"ch1.tex", "ch1"}},
        {"\"\"", "/doc/", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(inputCandidates(c.name, c.folder), c.candidates) << c.name;
}

TEST(NormalPath, ResolvesDotsLexically) {
    struct Case {
        const char* path;
        const char* normal;
    };
    const Case cases[] = {{"/a/./b//c", "/a/b/c"}, {"/a/b/../c", "/a/c"}, {"/../a", "/a"},  {"a/../../b", "../b"},
                          {"./a", "a"},            {"", "."},             {"/", "/"},       {"a/b/..", "a"}};
    for (const Case& c : cases) EXPECT_EQ(normalPath(c.path), c.normal) << c.path;
}

TEST_F(ProjectOutlineTest, TitlesAreShownAsUtf8) {
    files.addFile("/doc/main.tex", "\\section{Gr\xC3\xBC\xC3\x9F" "e}\\input{latin}");
    files.addFile("/doc/latin.tex", "\\section{K\xE4se}");
    ProjectOutline result = outline();
    ASSERT_EQ(result.entries.size(), 2u);
    EXPECT_EQ(result.entries[0].text, "Gr\xC3\xBC\xC3\x9F" "e");
    EXPECT_EQ(result.entries[1].text, "K\xC3\xA4se") << "a file that is not UTF-8 is Western";
}

}  // namespace
}  // namespace orvo
