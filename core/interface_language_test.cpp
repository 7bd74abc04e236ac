#include "core/interface_language.h"

#include <gtest/gtest.h>

#include "core/active_editor_profile.h"
#include "core/text_decoding.h"
#include "core/ui_strings.h"
#include "core/ui_text_index.h"
#include "core/workbench.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_main_window_view.h"
#include "tests/shipped_data.h"

namespace orvo {
namespace {

constexpr const char* kProgram = "/opt/orvo/";

// The main window with every control the index binds, each showing its
// designed text, the shipped US and DE files, and lists in which the
// previewer "okular" exists only in US.
struct Rig {
    FakeFileSystem files;
    FakeUserInteraction ui;
    FakeMainWindowView view;
    Workbench w;
    NullActiveEditorProfile editorProfile;
    InterfaceLanguage language {w, view, files, ui, editorProfile};

    Rig() {
        for (const UiTextEntry& entry : windowTextEntries(uiTextIndex(), "TForm1"))
            view.texts.add(entry.kind, entry.control, "designed " + std::to_string(entry.line), entry.item);
        files.addFile(std::string(kProgram) + "US.SCR", shippedFile("US.SCR"));
        files.addFile(std::string(kProgram) + "DE.SCR", shippedFile("DE.SCR"));
        files.addFile("/opt/orvo/US_VIEW.LST", "xdvi (.dvi)\nxdvi\nOkular\nokular\n");
        files.addFile("/opt/orvo/DE_VIEW.LST", "xdvi (DVI-Vorschau)\nxdvi\n");
        files.addFile("/opt/orvo/US_FRM.LST", "LaTeX\n&web2cbin/latex\n");
        files.addFile("/opt/orvo/DE_FRM.LST", "LaTeX (DVI)\n&web2cbin/latex\n");
        files.addFile("/opt/orvo/US_PRD.LST", "Default printer (lpr)\n!lpr\n");
        files.addFile("/opt/orvo/DE_PRD.LST", "Standarddrucker (lpr)\n!lpr\n");
        files.addFile("/opt/orvo/US_UTILS.LST", "BibTeX\n&bibtex\n");
        files.addFile("/opt/orvo/DE_UTILS.LST", "BibTeX\n&bibtex\nDANTE\nhttps://www.dante.de\n");
        w.programDir = w.OrvoSelectionsOptionsDir = w.OrvoBTMDir = kProgram;
        w.UserSpellDirectory = "/opt/orvo/spell/";
        w.OrvoLanguage = "US";
        w.Viewer = "okular";
        w.ViewerTXT = "Okular";
        w.FormatName = "&web2cbin/latex";
        w.Format = "LaTeX";
        w.PrinterPort = "/home/u/out.prn";
        w.PrinterPortTXT = "My file";
    }

    // Start-up's language steps, then the user's choice of `code` and Apply.
    void startAndChoose(const std::string& code) {
        language.loadStartupTexts();
        language.resolveFiles(true);
        language.buildChoice();
        language.applyIfChanged();
        choose(code);
    }
    void choose(const std::string& code) {
        for (std::size_t i = 0; i < w.languageChoice.entries.size(); ++i)
            if (w.languageChoice.entries[i].code == code) view.selected = int(i);
        language.applyIfChanged();
    }
    std::vector<std::string> lines(const std::string& name) { return shippedLines(name); }
};

TEST(InterfaceLanguage, SwitchingLanguagesChangesEveryMainWindowTextAndBack) {
    Rig rig;
    rig.startAndChoose("DE");
    for (const std::string code : {"DE", "US", "DE"}) {
        if (code != rig.w.appliedLanguage) rig.choose(code);
        std::vector<std::string> lines = rig.lines(code + ".SCR");
        for (const UiTextEntry& entry : windowTextEntries(uiTextIndex(), "TForm1"))
            EXPECT_EQ(rig.view.texts.text(entry.kind, entry.control, entry.item), lines[entry.line])
                << code << " line " << entry.line << " " << entry.control;
        EXPECT_EQ(rig.w.messageTexts, std::vector<std::string>(lines.begin() + 110, lines.begin() + 163)) << code;
        EXPECT_EQ(rig.w.OrvoLanguage, code);
        EXPECT_EQ(rig.w.appliedLanguage, code);
        EXPECT_EQ(rig.w.charsetName, "WESTERN");
        EXPECT_EQ(rig.view.texts.charset, 0);
        EXPECT_EQ(rig.w.languageFiles.viewers, "/opt/orvo/" + code + "_VIEW.LST");
        EXPECT_EQ(rig.w.helpTopicList, "/opt/orvo/HELP/US/ORVO5/ORVO5.LST");
    }
    EXPECT_TRUE(rig.ui.shown.empty()) << rig.ui.shown.front().text;
}

TEST(InterfaceLanguage, DisplayTextsFollowTheNewLanguagesLists) {
    Rig rig;
    rig.startAndChoose("US");
    EXPECT_EQ(rig.w.ViewerTXT, "Okular") << "US knows okular";
    rig.choose("DE");
    EXPECT_EQ(rig.w.Viewer, "xdvi") << "a previewer the German list lacks falls back to its first pair";
    EXPECT_EQ(rig.w.ViewerTXT, "xdvi (DVI-Vorschau)");
    EXPECT_EQ(rig.w.Format, "LaTeX (DVI)");
    EXPECT_EQ(rig.view.choices[ChoiceField::Format], "LaTeX (DVI)");
    EXPECT_EQ(rig.w.PrinterPortTXT, "My file") << "a file destination keeps its text";
    EXPECT_EQ(rig.view.choices.count(ChoiceField::PrinterPort), 0u);
    EXPECT_EQ(rig.view.utilities.size(), 2u) << "the German utilities";
    EXPECT_EQ(rig.w.BibTeXEditorTXT, "") << "a list that is missing leaves its choice alone";

    rig.w.PrinterPort = "!lpr";
    rig.choose("US");
    EXPECT_EQ(rig.w.PrinterPortTXT, "Default printer (lpr)");
    EXPECT_EQ(rig.w.Viewer, "xdvi") << "the fallback stays";
}

TEST(InterfaceLanguage, UnreadableUiStringFileChangesNothing) {
    Rig rig;
    int applications = 0;
    rig.language.onApplied([&applications] { ++applications; });
    rig.startAndChoose("US");
    EXPECT_EQ(applications, 1) << "windows that stay alive are told";
    int utilitiesShown = rig.view.count("showUtilities");
    rig.files.removeFile("/opt/orvo/DE.SCR");  // gone after the choice was built
    rig.view.onTop = true;
    rig.choose("DE");
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    EXPECT_EQ(rig.ui.shown[0].kind, MessageKind::Error);
    EXPECT_NE(rig.ui.shown[0].text.find("/opt/orvo/DE.SCR"), std::string::npos) << rig.ui.shown[0].text;
    EXPECT_TRUE(rig.view.onTop) << "stay-on-top restored after the box";
    EXPECT_EQ(rig.view.last("setStayOnTop"), "setStayOnTop 1");
    EXPECT_EQ(rig.w.OrvoLanguage, "US");
    EXPECT_EQ(rig.w.appliedLanguage, "US");
    std::vector<std::string> us = rig.lines("US.SCR");
    EXPECT_EQ(rig.view.texts.text(UiTextKind::Caption, "TabSheet1"), us[2]);
    EXPECT_EQ(rig.view.count("showUtilities"), utilitiesShown);
    EXPECT_EQ(applications, 1) << "nothing to take after a failure";
}

TEST(InterfaceLanguage, DamagedUiStringFilesNeverHalfApply) {
    struct Case {
        const char* name;
        std::string content;
        const char* charset;
    };
    std::string longLine(1 << 20, 'L');
    const Case cases[] = {
        {"binary bytes", std::string("Bin\0+WESTERN\n\xFF\xFE\x00\x01tab\n", 20), "WESTERN"},
        {"megabyte line", "Long+WESTERN\n" + longLine + "\n", "WESTERN"},
        {"header without +", "Deutsch WESTERN\nx\n", "DEUTSCH WESTERN"},
        {"header only", "Leer+easteurope\n", "EASTEUROPE"},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.files.addFile("/opt/orvo/XX.SCR", c.content);
        rig.startAndChoose("XX");
        EXPECT_EQ(rig.w.appliedLanguage, "XX") << c.name;
        EXPECT_EQ(rig.w.charsetName, c.charset) << c.name;
        EXPECT_LE(rig.view.texts.text(UiTextKind::Caption, "TabSheet1").size(), kMaxUiTextBytes) << c.name;
        // Lines the file does not reach keep the texts they had.
        std::vector<std::string> us = rig.lines("US.SCR");
        EXPECT_EQ(rig.view.texts.text(UiTextKind::Caption, "Label13"), us[72]) << c.name;
        EXPECT_EQ(rig.w.messageTexts.size(), 53u) << c.name;
        EXPECT_EQ(rig.w.messageTexts[0], " ") << c.name;
    }
}

TEST(InterfaceLanguage, MissingUtilitiesListIsReportedWithItsPath) {
    Rig rig;
    rig.files.removeFile("/opt/orvo/DE_UTILS.LST");
    rig.files.removeFile("/opt/orvo/US_UTILS.LST");
    rig.startAndChoose("DE");
    ASSERT_FALSE(rig.ui.shown.empty());
    const Message& last = rig.ui.shown.back();
    EXPECT_EQ(last.kind, MessageKind::Error);
    std::vector<std::string> de = rig.lines("DE.SCR");
    std::string expected = de[110 + kUtilitiesListMissingMessage];
    expected.replace(expected.find('$'), 2, "/opt/orvo/US_UTILS.LST");
    EXPECT_EQ(last.text, expected);
}

TEST(InterfaceLanguage, ApplyRunsOnlyForAnotherLanguageOrASelection) {
    Rig rig;
    rig.startAndChoose("US");
    int applications = rig.view.count("showUtilities");
    rig.language.applyIfChanged();
    EXPECT_EQ(rig.view.count("showUtilities"), applications) << "US is applied already";
    rig.view.selected = -1;
    EXPECT_EQ(rig.language.apply(), LanguageApplication::NothingSelected);
    EXPECT_EQ(rig.view.count("showUtilities"), applications);
}

TEST(InterfaceLanguage, ConfiguredLanguageWithoutItsFileSelectsTheFirst) {
    Rig rig;
    rig.w.OrvoLanguage = "FR";
    rig.language.buildChoice();
    EXPECT_EQ(rig.w.languageChoice.selected, 0);
    EXPECT_EQ(rig.w.languageChoice.entries[0].code, "DE");
    EXPECT_EQ(rig.w.charsetName, "WESTERN");
    EXPECT_EQ(rig.view.last("showLanguageChoice"), "showLanguageChoice 2 0");
}

}  // namespace
}  // namespace orvo
