// The workbench's "desc|patterns" filters as the Qt file dialog takes them.
#include "platform/qt/file_dialog_filters.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

TEST(QtNameFilters, TurnsPairsIntoEntriesMatchingEitherCase) {
    struct Case {
        const char* filter;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Main TeX files (*.TEX)|*.TEX|All files|*.*", {"Main TeX files (*.TEX *.tex)", "All files (*.*)"}},
        {"TeX files (*.tex)|*.tex|All files (*.*)|*.*", {"TeX files (*.tex *.TEX)", "All files (*.*)"}},
        {"Help files (*.HLP;*.CHM)|*.HLP;*.CHM", {"Help files (*.HLP *.hlp *.CHM *.chm)"}},
        {"Output files (*.PS)|*.PS", {"Output files (*.PS *.ps)"}},
        {"", {}},
        {"Only a description", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(qtNameFilters(c.filter), c.expected) << c.filter;
}

}  // namespace
}  // namespace orvo
