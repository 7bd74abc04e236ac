// The shipped help pages: each language's topic list gives a page for every
// help context a window asks for, and the pages' links lead to shipped files.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "actions/help_topics.h"
#include "core/path_names.h"
#include "core/text.h"
#include "core/text_decoding.h"
#include "tests/shipped_data.h"

namespace orvo {
namespace {

// The main window and its pages, buttons and speedbar, the console, the help
// menus, the About box and the support report, and every utility dialog.
const int kHelpContexts[] = {10,  15,  200, 210, 220, 300,  400,  500,  520,  540,  600,  700,
                             800, 900, 1000, 1100, 1200, 1300, 1500, 1510, 1530, 1600, 1700};

// `link` seen from the folder `from` (ending in '/'), as a path below the
// program folder; empty when it leaves it.
std::string resolved(const std::string& from, const std::string& link) {
    std::vector<std::string> parts;
    for (const std::string& part : split(from + link, '/')) {
        if (part == "..") {
            if (parts.empty()) return {};
            parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
    }
    std::string path;
    for (const std::string& part : parts) path += (path.empty() ? "" : "/") + part;
    return path;
}

std::set<std::string> linksOf(const std::string& page) {
    std::set<std::string> links;
    static const std::regex href("(?:href|src)=\"([^\"#]*)[^\"]*\"");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), href); it != std::sregex_iterator(); ++it)
        links.insert((*it)[1]);
    return links;
}

class ShippedHelp : public testing::TestWithParam<const char*> {
protected:
    std::string folder() const { return std::string("HELP/") + GetParam() + "/ORVO5/"; }
};

TEST_P(ShippedHelp, EveryHelpContextHasAPageInTheLanguage) {
    std::string list = shippedFile(folder() + "ORVO5.LST");
    ASSERT_FALSE(list.empty());
    EXPECT_TRUE(isValidUtf8(list));
    HelpTopics topics;
    topics.add(splitTextLines(list), folder());
    EXPECT_EQ(topics.size(), std::size(kHelpContexts)) << "one page a context";
    std::string index = shippedFile(folder() + "index.html");
    for (int context : kHelpContexts) {
        std::optional<std::string> page = topics.pageOf(context);
        ASSERT_TRUE(page) << context;
        EXPECT_FALSE(shippedFile(*page).empty()) << *page;
        EXPECT_TRUE(context == 10 || linksOf(index).count(fileNameOf(*page))) << *page << " is in the contents";
    }
}

TEST_P(ShippedHelp, PagesAreHtmlOfTheLanguageWhoseLinksLeadToShippedFiles) {
    std::string lang = std::string(GetParam()) == "US" ? "en" : "de";
    HelpTopics topics;
    topics.add(splitTextLines(shippedFile(folder() + "ORVO5.LST")), folder());
    for (int context : kHelpContexts) {
        std::string name = topics.pageOf(context).value_or("");
        std::string page = shippedFile(name);
        EXPECT_TRUE(isValidUtf8(page)) << name;
        EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"" + lang + "\">", 0), 0u) << name;
        EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos) << name;
        EXPECT_NE(page.find("</html>"), std::string::npos) << name;
        for (const std::string& link : linksOf(page)) {
            std::string target = resolved(folder(), link);
            EXPECT_FALSE(target.empty() || shippedFile(target).empty()) << name << " links to " << link;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedHelp, testing::Values("US", "DE"));

}  // namespace
}  // namespace orvo
