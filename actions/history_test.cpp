// Move to front and the history menus' entries.
#include "actions/history.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

History historyOf(std::vector<std::string> paths) {
    History history {};
    for (std::size_t i = 0; i < paths.size() && i < history.size(); ++i) history[i] = paths[i];
    return history;
}

TEST(MoveToFront, FollowsTheMoveToFrontRule) {
    struct Case {
        const char* name;
        std::vector<std::string> before;
        std::string path;
        std::vector<std::string> after;
    };
    const std::vector<std::string> full {"/0", "/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9"};
    const Case cases[] = {
        {"already first", {"/a/x.tex", "/b/y.tex"}, "/a/x.tex", {"/a/x.tex", "/b/y.tex"}},
        {"from the middle", {"/a/x.tex", "/b/y.tex", "/c/z.tex"}, "/b/y.tex", {"/b/y.tex", "/a/x.tex", "/c/z.tex"}},
        {"new path", {"/a/x.tex", "/b/y.tex"}, "/n/n.tex", {"/n/n.tex", "/a/x.tex", "/b/y.tex"}},
        {"ignoring case, keeps the new spelling", {"/a/X.TEX", "/b/y.tex"}, "/b/Y.TEX", {"/b/Y.TEX", "/a/X.TEX"}},
        {"the last of two equal entries", {"/a", "/b", "/a", "/c"}, "/A", {"/A", "/a", "/b", "/c"}},
        {"full list drops the tenth", full, "/new",
         {"/new", "/0", "/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"}},
        {"full list, last entry moves up", full, "/9",
         {"/9", "/0", "/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"}},
        {"empty path changes nothing", {"/a", "/b"}, "", {"/a", "/b"}},
    };
    for (const Case& c : cases) {
        History history = historyOf(c.before);
        moveToFront(history, c.path);
        EXPECT_EQ(history, historyOf(c.after)) << c.name;
    }
}

TEST(HistoryMenuEntries, ListsTheOtherNonEmptyEntriesInOrder) {
    History history = historyOf({"/b/Y.tex", "", "/a/x.tex", "/c/z.tex"});
    EXPECT_EQ(historyMenuEntries(history, "/b/y.TEX"), (std::vector<std::string> {"/a/x.tex", "/c/z.tex"}));
    EXPECT_EQ(historyMenuEntries(History {}, "/a"), std::vector<std::string> {});
}

TEST(History, OpeningTheMenuPutsTheActiveFileFirstAndListsTheOthers) {
    History history = historyOf({"/a/x.tex", "/b/y.tex", "/c/z.tex"});
    moveToFront(history, "/b/y.tex");
    EXPECT_EQ(history, historyOf({"/b/y.tex", "/a/x.tex", "/c/z.tex"}));
    EXPECT_EQ(historyMenuEntries(history, "/b/y.tex"), (std::vector<std::string> {"/a/x.tex", "/c/z.tex"}));
}

}  // namespace
}  // namespace orvo
