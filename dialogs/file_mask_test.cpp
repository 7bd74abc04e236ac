// File masks: wildcards, case, and the extension test that keeps "*.BAK"
// from A.BAKUP.
#include <gtest/gtest.h>

#include "dialogs/file_mask.h"

namespace orvo {
namespace {

TEST(FileMask, AMaskTakesTheNamesItsNameAndExtensionMatch) {
    struct Case {
        const char* mask;
        const char* name;
        bool matches;
    };
    const Case cases[] = {
        {"*.BAK", "A.BAK", true},
        {"*.BAK", "a.bak", true},
        {"*.bak", "PAPER.BAK", true},
        {"*.BAK", "A.BAKUP", false},
        {"*.BAK", "A.BAK.OLD", false},
        {"*.BAK", "A.OLD.BAK", true},
        {"*.BAK", "ABAK", false},
        {"_DUMP_.*", "_DUMP_.TEX", true},
        {"_DUMP_.*", "_dump_.set", true},
        {"_DUMP_.*", "_DUMP_", false},
        {"_DUMP_.*", "X_DUMP_.TEX", false},
        {"*.?LG", "A.ILG", true},
        {"*.?LG", "A.BLG", true},
        {"*.?LG", "A.LOG", false},
        {"*.?LG", "A.LG", false},
        {"*.?LG", "A.\xC3\xA4LG", true},  // "?" is one character, not one byte
        {"*.$$$", "paper.$$$", true},
        {"*.ORVOLG", "paper.orvolg", true},
        {"*", "README", true},
        {"*", "paper.log", false},  // "*" has no extension, so only names without one
        {"*.*", "paper.log", true},
        {"*.*", "README", false},
        {"paper.log", "PAPER.LOG", true},
        {"p*r.l?g", "paper.log", true},
        {"*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
        {"", "paper.log", false},
        {"*.log", "", false},
        {"sub/*.log", "x.log", false},
        {"*.LOG", ".LOG", true},  // a hidden name is a name
    };
    for (const Case& c : cases) EXPECT_EQ(matchesFileMask(c.mask, c.name), c.matches) << c.mask << " ~ " << c.name;
}

TEST(FileMask, WildcardsMatchTheWholeText) {
    struct Case {
        const char* pattern;
        const char* text;
        bool matches;
    };
    const Case cases[] = {
        {"", "", true},   {"*", "", true},      {"?", "", false},       {"a", "A", true},
        {"a*", "ab", true}, {"*b", "ab", true}, {"a?c", "abc", true},   {"a?c", "ac", false},
        {"**", "x", true},  {"*?*", "", false}, {"a*b*c", "aXbYc", true}, {"a*b*c", "aXbY", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesWildcards(c.pattern, c.text), c.matches) << c.pattern << " ~ " << c.text;
}

}  // namespace
}  // namespace orvo
