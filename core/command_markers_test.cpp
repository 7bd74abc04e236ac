#include "core/command_markers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvo {
namespace {

struct TextCase {
    std::string input;
    std::string expected;
};

TEST(FourDosMarker, IsFoundInAnyCaseAnywhere) {
    EXPECT_TRUE(hasFourDosMarker("&4DOS tool"));
    EXPECT_TRUE(hasFourDosMarker("pre &4dos tool"));
    EXPECT_TRUE(hasFourDosMarker("tool &4Dos"));
    EXPECT_FALSE(hasFourDosMarker("4DOS tool"));
    EXPECT_FALSE(hasFourDosMarker(""));
}

TEST(FourDosMarker, StripKeepsOnlyTheTrimmedTextAfterIt) {
    const std::vector<TextCase> cases = {
        {"&4DOS  tool.exe -a", "tool.exe -a"},
        {"pre &4dos tool -a  ", "tool -a"},
        {"&4DOS", ""},
        {" tool -a ", " tool -a "},  // no marker: untouched
        {"", ""},
    };
    for (const TextCase& c : cases) EXPECT_EQ(stripFourDosMarker(c.input), c.expected) << c.input;
}

TEST(NoRedirMarker, IsFoundInAnyCase) {
    EXPECT_TRUE(hasNoRedirMarker("&NOREDIR dvips"));
    EXPECT_TRUE(hasNoRedirMarker("dvips &noRedir"));
    EXPECT_FALSE(hasNoRedirMarker("NOREDIR dvips"));
    EXPECT_FALSE(hasNoRedirMarker("&NOREDI"));
}

TEST(NoRedirMarker, RunOperationStripRemovesMarkerAndItsBlank) {
    const std::vector<TextCase> cases = {
        {"&NOREDIR dvips x", "dvips x"},
        {"&noredir\tdvips x", "dvips x"},
        {"&NOREDIRdvips x", "dvips x"},  // the program name keeps its first letter
        {"dvips &NOREDIR x", "dvips x"},
        {"dvips x &NOREDIR", "dvips x"},
        {"&NOREDIR", ""},
        {" dvips x ", " dvips x "},  // no marker: untouched
        {"", ""},
    };
    for (const TextCase& c : cases) EXPECT_EQ(stripNoRedirMarker(c.input), c.expected) << c.input;
}

TEST(NoRedirMarker, PrinterStripRemovesBothMarkersInEitherOrder) {
    const std::vector<TextCase> cases = {
        {"&4DOS &NOREDIR prog -a", "prog -a"},
        {"&NOREDIR &4DOS prog -a", "prog -a"},
        {"&noredir prog ", "prog"},
        {"x &NOREDIR prog", "prog"},
        {"&4dos prog ", "prog"},
        {"&4DOS &NOREDIR", ""},
        {"prog ", "prog "},
    };
    for (const TextCase& c : cases) EXPECT_EQ(stripFourDosAndNoRedir(c.input), c.expected) << c.input;
}

TEST(TakeMarkers, TakesBothMarkersOutOfATemplateAndSaysWhatTheyDecided) {
    struct Case {
        const char* templateText;
        const char* text;
        bool fourDos;
        bool noRedir;
    };
    const Case cases[] = {
        {"dvips -Pcmz", "dvips -Pcmz", false, false},
        {"&4DOS dvilj4.BTM", "dvilj4.BTM", true, false},
        {"&NOREDIR dvips", "dvips", false, true},
        {"&noredir\tdvips x", "dvips x", false, true},
        {"ignored &4dos &NOREDIR tool -a ", "tool -a", true, true},
        {"&NOREDIR &4DOS tool", "tool", true, false},  // the text before "&4DOS" goes, its marker with it
        {"", "", false, false},
    };
    for (const Case& c : cases) {
        MarkedTemplate marked = takeMarkers(c.templateText);
        EXPECT_EQ(marked.text, c.text) << c.templateText;
        EXPECT_EQ(marked.fourDos, c.fourDos) << c.templateText;
        EXPECT_EQ(marked.noRedir, c.noRedir) << c.templateText;
    }
}

}  // namespace
}  // namespace orvo
