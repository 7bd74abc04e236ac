#include "core/one_value_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvo {
namespace {

struct TextCase {
    std::string input;
    std::string expected;
};

TEST(FillOneValueTemplate, ReplacesFirstDollarAndItsFollower) {
    const std::vector<TextCase> cases = {
        {"Show DVI output using $s", "Show DVI output using xdvi"},
        {"$s and $t", "xdvi and $t"},
        {"cost $", "cost xdvi"},
        {"$$x", "xdvix"},
        {"Print DVI output", "Print DVI output"},
        {"", ""},
    };
    for (const TextCase& c : cases) EXPECT_EQ(fillOneValueTemplate(c.input, "xdvi"), c.expected) << c.input;
    EXPECT_EQ(fillOneValueTemplate("a $s b", ""), "a  b");
}

}  // namespace
}  // namespace orvo
