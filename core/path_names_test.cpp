#include "core/path_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvo {
namespace {

struct TextCase {
    std::string input;
    std::string expected;
};

TEST(CollapseDoubledSlashes, StopsAtNetworkPrefix) {
    const std::vector<TextCase> cases = {
        {"/a//b", "/a/b"},
        {"/a///b//c", "/a/b/c"},
        {"a//b", "a/b"},
        {"//srv/a//b", "//srv/a//b"},
        {"///a", "///a"},
        {"/", "/"},
        {"", ""},
    };
    for (const TextCase& c : cases) EXPECT_EQ(collapseDoubledSlashes(c.input), c.expected) << c.input;
}

TEST(FileNameParts, SplitAtLastSlashAndLastDotOfTheName) {
    struct Case {
        std::string path;
        std::string base;
        std::string extension;
        std::string folder;
        std::string name;
    };
    const std::vector<Case> cases = {
        {"PAPER.TEX", "PAPER", ".TEX", "", "PAPER.TEX"},
        {"THESIS", "THESIS", "", "", "THESIS"},
        {"my.tex.old/a.tex", "my.tex.old/a", ".tex", "my.tex.old/", "a.tex"},
        {"/my.tex.old/a", "/my.tex.old/a", "", "/my.tex.old/", "a"},
        {"/doc/a.b.c", "/doc/a.b", ".c", "/doc/", "a.b.c"},
        {"PAPER.", "PAPER", ".", "", "PAPER."},
        {"/tex/", "/tex/", "", "/tex/", ""},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(baseName(c.path), c.base);
        EXPECT_EQ(extensionOf(c.path), c.extension);
        EXPECT_EQ(folderOf(c.path), c.folder);
        EXPECT_EQ(fileNameOf(c.path), c.name);
    }
}

}  // namespace
}  // namespace orvo
