#include "editor/forall_topic.h"

#include <gtest/gtest.h>

#include "core/workbench.h"

namespace orvo {
namespace {

TEST(ForallTopic, HandlesTheMacrosOfTheFirstLine) {
    struct Case {
        const char* text;
        const char* fileName;
        const char* lineNumber;
        int runs;
        int stayOnTopChecks;
    };
    const Case cases[] = {
        {"%FILE:/doc/ch1.tex", "/doc/ch1.tex", "old", 0, 0},
        {"%FILE:C:\\DOC\\CH1.TEX", "C:\\DOC\\CH1.TEX", "old", 0, 0},  // only the first ":" separates
        {"%line:120", "old", "120", 1, 0},
        {"%FILE:X %LINE:5", "X %LINE:5", "old", 0, 0},
        {"%FILE:A\n%LINE:3", "A", "old", 0, 0},
        {"%FILE:A\r\n%LINE:3", "A", "old", 0, 0},
        {"%LINE", "old", "%LINE", 1, 0},  // no ":": the whole line
        {"%LINE: 7 ", "old", " 7 ", 1, 0},
        {"%CHECKSTAYONTOP", "old", "old", 0, 1},
        {"%LINE:4 %checkstayontop", "old", "4 %checkstayontop", 1, 1},
        {"hello", "old", "old", 0, 0},
        {"", "old", "old", 0, 0},
    };
    for (const Case& c : cases) {
        Workbench w;
        w.block = {"old", "old", false};
        int runs = 0;
        int checks = 0;
        ForallTopic topic(w, [&] { ++runs; }, [&] { ++checks; });
        topic.execute(c.text);
        EXPECT_EQ(w.block.fileName, c.fileName) << c.text;
        EXPECT_EQ(w.block.lineNumber, c.lineNumber) << c.text;
        EXPECT_EQ(runs, c.runs) << c.text;
        EXPECT_EQ(checks, c.stayOnTopChecks) << c.text;
    }
}

TEST(ForallTopic, OneRunPerRequestASecondLineOnlyUpdatesTheNumber) {
    Workbench w;
    std::vector<std::string> runsSaw;
    ForallTopic topic(w, [&] { runsSaw.push_back(w.block.fileName + ":" + w.block.lineNumber); }, {});
    topic.execute("%FILE:/doc/a.tex");
    topic.execute("%LINE:12");
    topic.execute("%LINE:14");
    EXPECT_EQ(runsSaw, std::vector<std::string> {"/doc/a.tex:12"});
    EXPECT_EQ(w.block.lineNumber, "14");
    w.block.runStarted = false;  // the next request
    topic.execute("%LINE:20");
    EXPECT_EQ(runsSaw.size(), 2u);
}

TEST(ForallTopic, TheServiceIsTheProgramNameUpToItsFirstDot) {
    EXPECT_EQ(serviceNameOf("/usr/lib/orvo/orvo"), "orvo");
    EXPECT_EQ(serviceNameOf("C:/Orvo/Orvo.exe"), "Orvo");
    EXPECT_EQ(serviceNameOf("/opt/orvo.v2.bin"), "orvo");
}

}  // namespace
}  // namespace orvo
