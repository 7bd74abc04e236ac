// "Run": how a typed line becomes a name, its folder and its parameters, and
// what a failure shows.
#include "dialogs/run_dialog.h"

#include <gtest/gtest.h>

#include "tests/dialog_rig.h"

namespace orvo {
namespace {

using Words = std::vector<std::string>;

TEST(RunTarget, ANameItsFolderAndItsParameters) {
    FakeFileSystem files;
    files.addFile("/tools/view");
    files.addFile("/tools/my view");
    files.addFile("/docs/notes.txt");
    files.addDirectory("/docs/");
    struct Case {
        const char* line;
        RunTarget target;
    };
    for (const Case& c : std::vector<Case> {
             {"/tools/view", {"/tools/", "view", {}}},
             {"/tools/view a.txt", {"/tools/", "view", {"a.txt"}}},
             // A parameter with folders of its own is a parameter.
             {"/tools/view /docs/notes.txt -x", {"/tools/", "view", {"/docs/notes.txt", "-x"}}},
             {"/tools/my view", {"/tools/", "my view", {}}},  // an existing name keeps its blank
             {"\"/tools/my view\" notes.txt", {"/tools/", "my view", {"notes.txt"}}},
             {"evince notes.txt", {"", "evince", {"notes.txt"}}},
             {"notes.txt", {"", "notes.txt", {}}},  // found in the current folder
             {"/docs/", {"", "/docs/", {}}},
             {"https://ctan.org/pkg/latex", {"", "https://ctan.org/pkg/latex", {}}},
             {"  ", {"", "", {}}},
         }) {
        RunTarget target = runTargetOf(c.line, files, "/docs/");
        EXPECT_EQ(target.folder, c.target.folder) << c.line;
        EXPECT_EQ(target.name, c.target.name) << c.line;
        EXPECT_EQ(target.parameters, c.target.parameters) << c.line;
    }
}

TEST(RunDialog, OpensFromTheNamesFolderAndReportsAFailure) {
    test::DialogRig rig;
    rig.files.addDirectory("/tools/");
    rig.files.addFile("/tools/view");
    RunDialog run(rig.context);
    EXPECT_TRUE(run.run("/tools/view a b.txt"));
    ASSERT_EQ(rig.shellOpen.requests.size(), 1u);
    EXPECT_EQ(rig.shellOpen.requests[0].target, "view");
    EXPECT_EQ(rig.shellOpen.requests[0].parameters, (Words {"a", "b.txt"}));
    EXPECT_EQ(rig.shellOpen.requests[0].folder, "/tools/");
    EXPECT_EQ(rig.files.currentDirectory(), "/tools/");
    EXPECT_TRUE(rig.ui.shown.empty());

    rig.shellOpen.failing = {"nothing-here"};
    EXPECT_FALSE(run.run("nothing-here --now"));
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    EXPECT_EQ(rig.ui.shown[0].text, "Executing \nnothing-here\n failed!");
    EXPECT_EQ(rig.ui.shown[0].placement, MessagePlacement::CornerAtMainWindowCorner);
    EXPECT_FALSE(run.run("")) << "an empty line opens nothing";
    EXPECT_EQ(rig.shellOpen.requests.size(), 2u);
}

}  // namespace
}  // namespace orvo
