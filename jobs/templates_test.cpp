#include "jobs/templates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvo {
namespace {

struct TextCase {
    std::string input;
    std::string expected;
};

TemplateValues workbenchValues() {
    TemplateValues values;
    values.mainPath = "/tex/";
    values.mainFileName = "PAPER.TEX";
    values.currentFileName = "/doc/PART1.TEX";
    values.spellLanguage = "en_us";
    values.orvoLanguage = "US";
    values.windowLeft = 120;
    values.windowTop = 45;
    values.orvoBTMDir = "/orvo/btm/";
    values.spellFile = "\"/tmp/spell.tex\"";
    values.iniDir = "/home/u/.config/orvo/";
    values.iniName = "ORVO.INI";
    values.web2cBINDir = "/usr/bin/";
    return values;
}

TEST(ExpandTemplate, ReplacesEachPlaceholderAndDeletesLeftoverAmpersands) {
    const std::vector<TextCase> cases = {
        {"&mainpath&mainfile.dvi", "/tex/PAPER.dvi"},
        {"&main", "/tex/PAPER.TEX"},
        {"&mainfile&mainext", "PAPER.TEX"},
        {"&currentpath|&currentfile|&currentext|&current", "/doc/|/doc/PART1|.TEX|/doc/PART1.TEX"},
        {"-X=&x -Y=&y", "-X=120 -Y=45"},
        {"-d &lang -u &OrvoLanguage", "-d EN_US -u US"},
        {"&OrvoBTMDir|&spellfile|&inifile|&WEB2CBIN",
         "/orvo/btm/|\"/tmp/spell.tex\"|/home/u/.config/orvo/ORVO.INI|/usr/bin/"},
        {"&main &main", "/tex/PAPER.TEX /tex/PAPER.TEX"},
        {"&foo", "foo"},
        {"&MAINPATH &Main &orvolanguage", "MAINPATH Main orvolanguage"},
        {"a && b &", "a  b "},
        {"plain text", "plain text"},
        {"", ""},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(expandTemplate(c.input, workbenchValues()), c.expected) << "template: " << c.input;
    }
}

TEST(ExpandTemplate, CurrentPlaceholdersBecomeBareWordsWithoutCurrentFile) {
    TemplateValues values = workbenchValues();
    values.currentFileName.clear();
    EXPECT_EQ(expandTemplate("&current &currentpath &currentfile &currentext &main", values),
              "current currentpath currentfile currentext /tex/PAPER.TEX");
}

TEST(ExpandTemplate, WithoutMainFileMainPlaceholdersAreEmpty) {
    TemplateValues values = workbenchValues();
    values.mainPath.clear();
    values.mainFileName.clear();
    EXPECT_EQ(expandTemplate("[&mainpath][&main][&mainfile.dvi][&mainext]", values), "[][][.dvi][]");
}

TEST(ExpandTemplate, NegativeWindowPositionIsSigned) {
    TemplateValues values = workbenchValues();
    values.windowLeft = -8;
    values.windowTop = 0;
    EXPECT_EQ(expandTemplate("&x,&y", values), "-8,0");
}

// Values are file names chosen by the user; they reach the program unchanged,
// whatever placeholders or "&" they hold.
TEST(ExpandTemplate, InsertedValuesAreNeitherExpandedNorStripped) {
    struct Case {
        std::string mainPath;
        std::string mainFileName;
        std::string templateText;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"/r&d/", "PAPER.TEX", "&mainpath", "/r&d/"},
        {"/r&d/", "PAPER.TEX", "&main", "/r&d/PAPER.TEX"},
        {"/x&mainpath/", "PAPER.TEX", "&mainpath", "/x&mainpath/"},
        {"/tex/", "a&x.tex", "&main -&x", "/tex/a&x.tex -120"},
        {"/tex/", "a&x.tex", "&mainfile", "a&x"},
    };
    for (const Case& c : cases) {
        TemplateValues values = workbenchValues();
        values.mainPath = c.mainPath;
        values.mainFileName = c.mainFileName;
        EXPECT_EQ(expandTemplate(c.templateText, values), c.expected)
            << c.mainPath << " + " << c.mainFileName << ", template " << c.templateText;
    }
}

struct Web2cCase {
    std::string command;
    std::string web2cBINDir;
    std::string expected;
};

TEST(Web2cPrefix, FormatCommandMatchesAnyCaseAndIsTrimmed) {
    const std::vector<Web2cCase> cases = {
        {"&web2cbin/tex", "/tex/bin/", "/tex/bin/tex"},
        {"  &WEB2CBIN/tex -ini  ", "/tex/bin/", "/tex/bin/tex -ini"},
        {"&Web2cBin/tex", "/Tex/Bin/", "/Tex/Bin/tex"},
        {"&web2cbin/tex", "//srv/bin/", "//srv/bin//tex"},  // network path: no collapsing
        {"&web2cbin//tex", "/tex//bin/", "/tex/bin/tex"},
        {"&web2cbin/kpsewhich -path=/t// x", "/tex/bin/", "/tex/bin/kpsewhich -path=/t// x"},
        {"&web2cbin/tex x//y", "/opt/my tex/bin/", "/opt/my tex/bin/tex x//y"},
        {"&web2cbin", "/tex/bin/", "/tex/bin/"},
        {"&web2cbin/tex", "", "/tex"},
        {"  latex -x ", "/tex/bin/", "latex -x"},
        {"x &web2cbin/tex", "/tex/bin/", "x &web2cbin/tex"},
        {"", "/tex/bin/", ""},
    };
    for (const Web2cCase& c : cases) {
        EXPECT_EQ(expandFormatWeb2cPrefix(c.command, c.web2cBINDir), c.expected)
            << c.command << " with " << c.web2cBINDir;
    }
}

TEST(Web2cPrefix, UtilityCommandNeedsExactUpperCaseAtFirstCharacter) {
    const std::vector<Web2cCase> cases = {
        {"&WEB2CBIN/dvips &main", "/usr/Local/bin/", "/usr/Local/bin/dvips &main"},
        {"&WEB2CBIN//dvips", "/tex/bin/", "/tex/bin/dvips"},
        {"&WEB2CBIN/dvips", "//srv/bin/", "//srv/bin//dvips"},
        {"&WEB2CBIN/dvips ", "/tex/bin/", "/tex/bin/dvips "},
        {"&web2cbin/dvips", "/tex/bin/", "&web2cbin/dvips"},
        {" &WEB2CBIN/dvips", "/tex/bin/", " &WEB2CBIN/dvips"},
        {"dvips", "/tex/bin/", "dvips"},
        {"", "/tex/bin/", ""},
    };
    for (const Web2cCase& c : cases) {
        EXPECT_EQ(expandUtilityWeb2cPrefix(c.command, c.web2cBINDir), c.expected)
            << c.command << " with " << c.web2cBINDir;
    }
}

TEST(DestinationPlaceholders, ReplaceFirstOccurrenceOfEachExactCase) {
    auto expand = [](std::string_view destination) {
        return expandDestinationPlaceholders(destination, "/orvo/btm/", "/usr/bin/", "/orvo/lists/");
    };
    const std::vector<TextCase> cases = {
        {"&ORVOBTMDIRlpr.sh", "/orvo/btm/lpr.sh"},
        {"&WEB2CBINdvips", "/usr/bin/dvips"},
        {"&ORVOSELECTIONSOPTIONSDIRport.sh", "/orvo/lists/port.sh"},
        {"&ORVOBTMDIRa &WEB2CBINb &ORVOSELECTIONSOPTIONSDIRc", "/orvo/btm/a /usr/bin/b /orvo/lists/c"},
        {"&ORVOBTMDIRa &ORVOBTMDIRb", "/orvo/btm/a &ORVOBTMDIRb"},
        {"&orvobtmdir &web2cbin", "&orvobtmdir &web2cbin"},
        {"", ""},
    };
    for (const TextCase& c : cases) EXPECT_EQ(expand(c.input), c.expected) << c.input;
}

}  // namespace
}  // namespace orvo
