#include "core/search_path.h"

#include <gtest/gtest.h>

#include <set>

namespace orvo {
namespace {

constexpr const char* kTexBin = "/usr/local/texlive/2023/bin/x86_64-linux/";
constexpr const char* kOwnTree = "/home/u/texfiles/";
constexpr const char* kProgramDir = "/opt/orvo/";
constexpr const char* kUserConfig = "/home/u/.config/orvo/";

struct Case {
    const char* name;
    std::string inherited;
    std::string web2cBINDir;
    bool ownProgramsExist;
    std::string iniDir;
    std::string expected;
};

TEST(SearchPathTest, PrefixesWhatIsMissingAndNeverLeavesEmptyEntries) {
    const Case cases[] = {
        {"distribution put in front", "/usr/bin:/bin", kTexBin, false, kUserConfig,
         "/usr/local/texlive/2023/bin/x86_64-linux:/usr/bin:/bin"},
        {"ConfigFile in the program folder adds it", "/usr/bin:/bin", kTexBin, false, kProgramDir,
         "/usr/local/texlive/2023/bin/x86_64-linux:/opt/orvo:/usr/bin:/bin"},
        {"distribution already there", "/usr/bin:/bin", "/usr/bin/", false, kUserConfig, "/usr/bin:/bin"},
        {"only the program folder added", "/usr/bin:/bin", "/usr/bin/", false, kProgramDir, "/opt/orvo:/usr/bin:/bin"},
        {"program folder already there", "/opt/orvo:/usr/bin", kTexBin, false, kProgramDir,
         "/usr/local/texlive/2023/bin/x86_64-linux:/opt/orvo:/usr/bin"},
        {"own programs first", "/usr/bin", kTexBin, true, kProgramDir,
         "/home/u/texfiles/bin:/usr/local/texlive/2023/bin/x86_64-linux:/opt/orvo:/usr/bin"},
        {"own programs alone", "/usr/bin", "/usr/bin/", true, kUserConfig, "/home/u/texfiles/bin:/usr/bin"},
        {"own programs already there", "/home/u/texfiles/bin:/usr/bin", "/usr/bin/", true, kUserConfig,
         "/home/u/texfiles/bin:/usr/bin"},
        {"own program folder missing", "/usr/bin", "/usr/bin/", false, kUserConfig, "/usr/bin"},
        {"presence is case-sensitive", "/USR/LOCAL/TEXLIVE/2023/BIN/X86_64-LINUX", kTexBin, false, kUserConfig,
         "/usr/local/texlive/2023/bin/x86_64-linux:/USR/LOCAL/TEXLIVE/2023/BIN/X86_64-LINUX"},
        {"short folder keeps its slash", "/usr/bin", "/b/", false, kUserConfig, "/b/:/usr/bin"},
        // An empty entry means the current folder: none may survive.
        {"empty inherited PATH", "", kTexBin, false, kUserConfig, "/usr/local/texlive/2023/bin/x86_64-linux"},
        {"nothing at all", "", "", false, kUserConfig, ""},
        {"nothing to add", ":/usr/bin::/bin:", "/usr/bin/", false, kUserConfig, "/usr/bin:/bin"},
        {"runs of colons", "/usr/bin:::/bin::", kTexBin, false, kProgramDir,
         "/usr/local/texlive/2023/bin/x86_64-linux:/opt/orvo:/usr/bin:/bin"},
        {"only the program folder, empty PATH", "", "", false, kProgramDir, "/opt/orvo"},
        {"colons only", std::string(100000, ':'), "/usr/bin/", false, kUserConfig, "/usr/bin"},
        {"a long run between entries", "/a" + std::string(100000, ':') + "/b", "/usr/bin/", false, kUserConfig,
         "/usr/bin:/a:/b"},
    };
    for (const Case& c : cases) {
        SearchPathInput input {c.inherited, c.web2cBINDir, kOwnTree, c.iniDir, kProgramDir};
        std::set<std::string> asked;
        std::string path = buildSearchPath(input, [&](const std::string& folder) {
            asked.insert(folder);
            return c.ownProgramsExist;
        });
        EXPECT_EQ(path, c.expected) << c.name;
        EXPECT_EQ(asked, std::set<std::string> {"/home/u/texfiles/bin/"}) << c.name;
    }
}

TEST(SearchPathTest, WithoutOwnTreeNothingIsAskedOrAdded) {
    SearchPathInput input {"/usr/bin", "/usr/bin/", "", kUserConfig, kProgramDir};
    bool asked = false;
    std::string path = buildSearchPath(input, [&](const std::string&) {
        asked = true;
        return true;
    });
    EXPECT_EQ(path, "/usr/bin");
    EXPECT_FALSE(asked);
}

}  // namespace
}  // namespace orvo
