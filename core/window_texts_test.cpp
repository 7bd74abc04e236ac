#include "core/window_texts.h"

#include <gtest/gtest.h>

#include "tests/fake_text_target.h"

namespace orvo {
namespace {

using K = UiTextKind;

// A small window: caption, a button with hint, a radio group's items, a
// whole list (never taken from lines), a control the window lacks, and two
// message lines.
const std::vector<UiTextEntry> kIndex = {
    {1, "TFormX", "TFormX", K::Caption, -1},  {2, "TFormX", "Button1", K::Caption, -1},
    {3, "TFormX", "Button1", K::Hint, -1},    {4, "TFormX", "RadioGroup1", K::Item, 0},
    {5, "TFormX", "RadioGroup1", K::Item, 1}, {6, "TFormX", "ListBox1", K::Textlist, -1},
    {7, "TFormX", "Missing", K::Caption, -1}, {9, "TFormX", "-", K::Message, 1},
    {8, "TFormX", "-", K::Message, 0},        {2, "TFormY", "Button1", K::Caption, -1},
};

struct Window {
    FakeTextTarget target;
    Window() {
        target.add(K::Caption, "TFormX", "Designed");
        target.add(K::Caption, "Button1", "&Run");
        target.add(K::Hint, "Button1", "Run it");
        target.add(K::Item, "RadioGroup1", "One", 0);
        target.add(K::Item, "RadioGroup1", "Two", 1);
        target.add(K::Textlist, "ListBox1", "a;b");
    }
};

const std::vector<std::string> kGerman = {"Deutsch+WESTERN", "Fenster", "&Starten", "Startet es", "Eins",
                                          "Zwei",            "x;y",     "Fehlt",     "Meldung 0",  "Meldung 1"};

TEST(WindowTexts, BindsTheWindowsOwnControlsWithTheirPresentTexts) {
    Window window;
    WindowTexts texts("TFormX", window.target, kIndex);
    ASSERT_EQ(texts.bindings().size(), 6u) << "the control the window lacks is left out";
    EXPECT_EQ(texts.bindings()[1].texts[0], "&Run");
    EXPECT_EQ(texts.bindings()[1].texts[1], "2");
    texts.switchLanguage(1);
    EXPECT_EQ(window.target.text(K::Caption, "Button1"), "2") << "language 1 shows the line numbers";
    texts.switchLanguage(0);
    EXPECT_EQ(window.target.text(K::Caption, "Button1"), "&Run");
    texts.setLanguage0Text(1, "&Go");
    texts.switchLanguage(0);
    EXPECT_EQ(window.target.text(K::Caption, "Button1"), "&Go");
}

TEST(WindowTexts, ApplyTakesEveryReachedLineAndEndsInLanguageZero) {
    Window window;
    WindowTexts texts("TFormX", window.target, kIndex);
    texts.apply(kGerman, "EASTEUROPE");
    EXPECT_EQ(window.target.text(K::Caption, "TFormX"), "Fenster");
    EXPECT_EQ(window.target.text(K::Caption, "Button1"), "&Starten");
    EXPECT_EQ(window.target.text(K::Hint, "Button1"), "Startet es");
    EXPECT_EQ(window.target.text(K::Item, "RadioGroup1", 1), "Zwei");
    EXPECT_EQ(window.target.text(K::Textlist, "ListBox1"), "a;b") << "whole lists are not taken from lines";
    EXPECT_EQ(window.target.messages, (std::vector<std::string> {"Meldung 0", "Meldung 1"})) << "in entry order";
    EXPECT_EQ(window.target.charset, 238);
    EXPECT_EQ(texts.activeLanguage(), 0);
    EXPECT_FALSE(window.target.redrawSuspended);
    EXPECT_EQ(window.target.redrawSuspensions, 1);
}

TEST(WindowTexts, ShortFileKeepsTheTextsItDoesNotReach) {
    Window window;
    WindowTexts texts("TFormX", window.target, kIndex);
    texts.apply({"Short+WESTERN", "Fenster", "&Starten"}, "WESTERN");
    EXPECT_EQ(window.target.text(K::Caption, "Button1"), "&Starten");
    EXPECT_EQ(window.target.text(K::Hint, "Button1"), "Run it");
    EXPECT_EQ(window.target.text(K::Item, "RadioGroup1", 0), "One");
    EXPECT_EQ(window.target.messages, (std::vector<std::string> {" ", " "}));
    EXPECT_EQ(window.target.charset, 0);
    texts.apply({}, "WESTERN");
    EXPECT_EQ(window.target.text(K::Caption, "TFormX"), "Fenster") << "an empty file changes nothing";
    EXPECT_EQ(texts.activeLanguage(), 0);
}

}  // namespace
}  // namespace orvo
