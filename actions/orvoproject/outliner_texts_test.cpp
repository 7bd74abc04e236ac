#include "actions/orvoproject/outliner_texts.h"

#include <gtest/gtest.h>

#include <set>

#include "core/text_decoding.h"

namespace orvo {
namespace {

// The "$1" to "$9" a text carries.
std::set<char> placeholders(const std::string& text) {
    std::set<char> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '$' && text[i + 1] >= '1' && text[i + 1] <= '9') found.insert(text[i + 1]);
    }
    return found;
}

TEST(OutlinerTexts, GermanOnlyForDe) {
    struct Case {
        const char* code;
        OutlinerLanguage language;
    };
    const Case cases[] = {{"DE", OutlinerLanguage::German}, {"de", OutlinerLanguage::German},
                          {"US", OutlinerLanguage::English}, {"", OutlinerLanguage::English},
                          {"DEU", OutlinerLanguage::English}, {" DE", OutlinerLanguage::English}};
    for (const Case& c : cases) EXPECT_EQ(outlinerLanguage(c.code), c.language) << c.code;
}

TEST(OutlinerTexts, EveryTextInBothLanguagesWithTheSameValues) {
    for (int id = 0; id < int(OutlinerText::Count); ++id) {
        std::string english = outlinerText(OutlinerLanguage::English, OutlinerText(id));
        std::string german = outlinerText(OutlinerLanguage::German, OutlinerText(id));
        EXPECT_FALSE(english.empty()) << id;
        EXPECT_NE(english, german) << id;
        EXPECT_TRUE(isValidUtf8(german)) << id;
        EXPECT_EQ(placeholders(english), placeholders(german)) << english;
    }
    EXPECT_EQ(std::string(outlinerText(OutlinerLanguage::German, OutlinerText::CloseButton)), "&Schlie\xC3\x9F" "en");
}

TEST(OutlinerTexts, FillsValuesOnceInOnePass) {
    struct Case {
        const char* pattern;
        std::vector<std::string> values;
        const char* text;
    };
    const Case cases[] = {
        {"$1, line $2", {"a.tex", "3"}, "a.tex, line 3"},
        {"$2 before $1", {"a", "b"}, "b before a"},
        {"$1", {"$2 stays"}, "$2 stays"},
        {"costs $5 and $", {}, "costs $5 and $"},
        {"$1$1", {"x"}, "xx"},
        {"$0 $a", {"x"}, "$0 $a"},
    };
    for (const Case& c : cases) EXPECT_EQ(fillText(c.pattern, c.values), c.text) << c.pattern;
}

}  // namespace
}  // namespace orvo
