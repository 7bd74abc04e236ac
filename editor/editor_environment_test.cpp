#include "editor/editor_environment.h"

#include <gtest/gtest.h>

#include "core/workbench.h"
#include "platform/fake/fake_environment.h"

namespace orvo {
namespace {

TEST(EditorEnvironment, StartUpAndChoiceSetTheirOwnVariables) {
    struct Case {
        const char* name;
        EditorEnvironmentForm form;
        std::map<std::string, std::string> before;
        std::map<std::string, std::string> after;
    };
    const std::string t = "ed +%d \"%s\"";
    const Case cases[] = {
        {"start-up, nothing set", EditorEnvironmentForm::Startup, {}, {{"TEXEDIT", t}, {"EDITOR", "ed -x"}}},
        {"start-up, MPEDIT and MFEDIT set",
         EditorEnvironmentForm::Startup,
         {{"MPEDIT", "vi"}, {"MFEDIT", "vi"}},
         {{"TEXEDIT", t}, {"MPEDIT", t}, {"MFEDIT", t}, {"EDITOR", "ed -x"}}},
        {"start-up, set but empty",
         EditorEnvironmentForm::Startup,
         {{"MPEDIT", ""}},
         {{"TEXEDIT", t}, {"MPEDIT", ""}, {"EDITOR", "ed -x"}}},
        {"choice", EditorEnvironmentForm::Choice, {{"EDITOR", "vi"}}, {{"TEXEDIT", t}, {"MPEDIT", t}, {"EDITOR", "vi"}}},
        {"choice, MFEDIT set",
         EditorEnvironmentForm::Choice,
         {{"MFEDIT", "vi"}},
         {{"TEXEDIT", t}, {"MPEDIT", t}, {"MFEDIT", t}}},
    };
    for (const Case& c : cases) {
        Workbench w;
        w.TeXEdit = t;
        w.editor.Editor = "ed -x";
        FakeEnvironment environment;
        environment.variables = c.before;
        setEditorEnvironment(w, environment, c.form);
        EXPECT_EQ(environment.variables, c.after) << c.name;
    }
}

}  // namespace
}  // namespace orvo
