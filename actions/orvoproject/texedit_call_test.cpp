#include "actions/orvoproject/texedit_call.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

using Words = std::vector<std::string>;

TEST(TeXEditCall, PutsTheFileAndLineIntoTheTemplatesWords) {
    struct Case {
        const char* teXEdit;
        std::string file;
        int line;
        Words argv;
    };
    const Case cases[] = {
        {"emacsclient --alternate-editor=emacs +%d \"%s\"", "/doc/a b.tex", 7,
         {"emacsclient", "--alternate-editor=emacs", "+7", "/doc/a b.tex"}},
        {"emacsclient +%d %s", "/doc/a b.tex", 7, {"emacsclient", "+7", "/doc/a b.tex"}},
        {"code --goto \"%s:%d\"", "/doc/a b.tex", 12, {"code", "--goto", "/doc/a b.tex:12"}},
        {"kate --line %d \"%s\"", "/doc/x.tex", 1, {"kate", "--line", "1", "/doc/x.tex"}},
        {"\"/opt/my editor/ed\" -l%d %s", "/d/x.tex", 3, {"/opt/my editor/ed", "-l3", "/d/x.tex"}},
        {"ed %s %d", "/d/%d%s.tex", 5, {"ed", "/d/%d%s.tex", "5"}},
        {"ed %s", "/d/x\"y$(touch z);`w` & '.tex", 5, {"ed", "/d/x\"y$(touch z);`w` & '.tex"}},
        {"ed 100% %x %%s %", "/f", 2, {"ed", "100%", "%x", "%/f", "%"}},
        {"ed &main %s", "/f", 2, {"ed", "&main", "/f"}},
        {"ed", "/f", 2, {"ed"}},
        {"", "/f", 2, {}},
        {"   ", "/f", 2, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(teXEditArguments(c.teXEdit, c.file, c.line), c.argv) << c.teXEdit;
}

}  // namespace
}  // namespace orvo
