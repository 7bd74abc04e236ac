#include "core/port_script.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

TEST(PortScriptTest, DecodeSplitsOffTheScriptPrefix) {
    struct Case {
        const char* stored;
        const char* script;
        const char* text;
    };
    const Case cases[] = {
        {"", "", ""},
        {"Parallel port", "", "Parallel port"},
        {"mail@host", "", "mail@host"},  // an "@" inside the text is no prefix
        {"@lpr-office.sh@Office laser", "lpr-office.sh", "Office laser"},
        {"@lpr.sh@", "lpr.sh", ""},
        {"@lpr.sh@to@floor 2", "lpr.sh", "to@floor 2"},  // only the first two "@" delimit
        {"@@Office", "", "Office"},
        {"@lpr.sh", "lpr.sh", ""},  // no closing "@": the rest names the script
        {"@", "", ""},
    };
    for (const Case& c : cases) {
        PortText decoded = decodePortText(c.stored);
        EXPECT_EQ(decoded.script, c.script) << c.stored;
        EXPECT_EQ(decoded.text, c.text) << c.stored;
    }
}

TEST(PortScriptTest, EncodeAddsThePrefixOnlyForAScript) {
    struct Case {
        const char* script;
        const char* text;
        const char* stored;
    };
    const Case cases[] = {
        {"", "Parallel port", "Parallel port"},
        {"", "", ""},
        {"lpr-office.sh", "Office laser", "@lpr-office.sh@Office laser"},
        {"lpr.sh", "", "@lpr.sh@"},
        {"lpr.sh", "to@floor 2", "@lpr.sh@to@floor 2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodePortText(c.script, c.text), c.stored) << c.script << " / " << c.text;
    }
}

TEST(PortScriptTest, StoredTextWithAScriptSurvivesDecodeAndEncode) {
    const char* stored[] = {"@lpr-office.sh@Office laser", "@/home/u/bin/to pdf.sh@PDF file", "@s@", "@s@a@b"};
    for (const char* text : stored) {
        PortText decoded = decodePortText(text);
        EXPECT_EQ(encodePortText(decoded.script, decoded.text), text);
    }
}

}  // namespace
}  // namespace orvo
