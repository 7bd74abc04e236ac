#include "core/port_script.h"

#include <gtest/gtest.h>

#include "core/workbench.h"

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
        {"", "mail@host", "mail@host"},
        {"", "@home", "@@@home"},    // a text of its own behind an empty prefix
        {"", "  @home", "@@  @home"},  // the parameter file drops the blanks
        {"", "@", "@@@"},
        {"lpr.sh", "@home", "@lpr.sh@@home"},
        {"/home/me@work/lpr.sh", "Office", "Office"},  // no prefix can hold that name
        {"/home/me@work/lpr.sh", "@home", "@@@home"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodePortText(c.script, c.text), c.stored) << c.script << " / " << c.text;
    }
}

// Whatever the display text holds, it reads back as it was stored, and the
// script read back is the one stored, or none when its name holds "@".
TEST(PortScriptTest, TheTextReadsBackAndTheScriptNeverChanges) {
    const char* scripts[] = {"", "lpr.sh", "/home/u/bin/to pdf.sh", "a@b.sh", "@"};
    const char* texts[] = {"", "Office", "@", "@@", "@home", " @home", "a@b", "@s@t"};
    for (const char* script : scripts) {
        for (const char* text : texts) {
            PortText decoded = decodePortText(encodePortText(script, text));
            EXPECT_EQ(decoded.text, text) << script << " / " << text;
            const bool kept = std::string_view(script).find('@') == std::string_view::npos;
            EXPECT_EQ(decoded.script, kept ? script : "") << script << " / " << text;
        }
    }
}

// Only a prefix that names a script changes the destination; an empty one
// ("@@", "@") stands for a text of its own.
TEST(PortScriptTest, TakingAStoredTextSetsTheDestinationOnlyForAScript) {
    struct Case {
        const char* stored;
        bool scriptRead;
        const char* port;
        const char* text;
    };
    const Case cases[] = {
        {"@lpr.sh@Office", true, "lpr.sh", "Office"},
        {"@lpr.sh", true, "lpr.sh", ""},
        {"@@@home", false, "!lpr", "@home"},
        {"@@Office", false, "!lpr", "Office"},
        {"@", false, "!lpr", ""},
        {"Office", false, "!lpr", "Office"},
    };
    for (const Case& c : cases) {
        Workbench w;
        w.PrinterPort = "!lpr";
        takeStoredPortText(w, c.stored);
        EXPECT_EQ(w.portScriptRead, c.scriptRead) << c.stored;
        EXPECT_EQ(w.PrinterPort, c.port) << c.stored;
        EXPECT_EQ(w.portScript, c.scriptRead ? c.port : "") << c.stored;
        EXPECT_EQ(w.PrinterPortTXT, c.text) << c.stored;
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
