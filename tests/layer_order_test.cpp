// The layers of the source tree: a logic folder includes only the folders
// below it (core, jobs, editor, actions, then dialogs, setup and shell), the
// platform's interfaces and nothing of Qt; its Qt views sit above it (in
// its qt/ folder, or in the qt/ folder of a program shipped in it, which
// only that program's entry includes). A test may use the fakes and the
// shared fixtures of tests/, whose own includes count as the test's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace orvo {
namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> kLayers = {
    {"core", 1}, {"jobs", 2}, {"editor", 3}, {"actions", 4}, {"dialogs", 5}, {"setup", 5}, {"shell", 5},
};

struct Include {
    std::string target;  // as written: "core/text.h", or "<QWidget>"
    bool system = false;
};

std::vector<Include> includesOf(const fs::path& file) {
    std::vector<Include> found;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::size_t at = line.find_first_not_of(" \t");
        if (at == std::string::npos || line.compare(at, 8, "#include") != 0) continue;
        std::size_t open = line.find_first_of("\"<", at + 8);
        if (open == std::string::npos) continue;
        char close = line[open] == '"' ? '"' : '>';
        std::size_t end = line.find(close, open + 1);
        if (end == std::string::npos) continue;
        found.push_back({line.substr(open + 1, end - open - 1), close == '>'});
    }
    return found;
}

// Where a file of the tree sits: its top folder and the folder below that
// ("qt", "fake", a program's own folder ...), empty for files at the top.
struct Place {
    std::string top;
    std::string sub;
    bool qt = false;  // in the layer's qt/ folder, or in the qt/ folder of a program's own folder
};

Place placeOf(const std::string& relative) {
    std::vector<std::string> parts;
    for (const auto& part : fs::path(relative)) parts.push_back(part.string());
    Place place;
    if (parts.size() > 1) place.top = parts[0];
    if (parts.size() > 2) place.sub = parts[1];
    place.qt = place.sub == "qt" || (parts.size() > 3 && parts[2] == "qt");
    return place;
}

bool isTestFile(const std::string& relative) {
    std::string name = fs::path(relative).filename().string();
    return name.find("_test.") != std::string::npos || name.find("fixture") != std::string::npos;
}

bool isQtFolder(const Place& place) { return place.qt || (place.top == "platform" && place.sub == "dbus"); }

// The entry of a program shipped beside the workbench (orvocmd, orvodde): it
// runs on the real services, as app/ does.
bool isProgramEntry(const std::string& relative) {
    Place place = placeOf(relative);
    return kLayers.count(place.top) && !place.sub.empty() && !place.qt &&
           fs::path(relative).filename() == "main.cpp";
}

// Whether a file at `from` (a test file when `test`, a program's entry when
// `program`) may include `target`.
bool allowed(const Place& from, bool test, bool program, const std::string& target) {
    Place to = placeOf(target);
    if (from.top == "app" || from.top == "bench" || from.top == "tests") return true;
    if (to.top == "tests") return test;  // followed through: its includes count as the includer's
    if (to.top == "platform") {
        if (to.sub.empty()) return true;
        if (test) return true;
        if (from.top == "platform") return to.sub == from.sub;
        if (to.sub == "qt") return isQtFolder(from);
        return program && (to.sub == "linux" || to.sub == "dbus");
    }
    if (from.top == "platform") return false;
    auto fromLayer = kLayers.find(from.top);
    auto toLayer = kLayers.find(to.top);
    if (fromLayer == kLayers.end() || toLayer == kLayers.end()) return false;
    // A program's entry shows its windows, as app/ does.
    if (to.top == from.top) return !to.qt || isQtFolder(from) || program;
    if (toLayer->second >= fromLayer->second) return false;
    return !to.qt || isQtFolder(from) || program;
}

struct Violation {
    std::string file;
    std::string included;
    bool operator==(const Violation&) const = default;
    bool operator<(const Violation& other) const {
        return std::tie(file, included) < std::tie(other.file, other.included);
    }
};

class LayerCheck {
public:
    explicit LayerCheck(fs::path root) : root_(std::move(root)) {}

    std::vector<Violation> run() {
        for (const auto& entry : fs::recursive_directory_iterator(root_)) {
            if (!entry.is_regular_file()) continue;
            std::string extension = entry.path().extension().string();
            if (extension != ".h" && extension != ".cpp") continue;
            std::string relative = fs::relative(entry.path(), root_).string();
            Place place = placeOf(relative);
            if (place.top == "tests" || place.top == "app" || place.top == "bench" || place.top.empty()) continue;
            if (place.top.rfind("build", 0) == 0 || place.top == "fuzz") continue;
            std::set<std::string> visited;
            check(relative, place, isTestFile(relative), relative, visited);
        }
        std::sort(violations_.begin(), violations_.end());
        return violations_;
    }

private:
    // `file`'s includes judged as if written in `origin` at `from`; the shared
    // fixtures of tests/ are followed.
    void check(const std::string& file, const Place& from, bool test, const std::string& origin,
               std::set<std::string>& visited) {
        if (!visited.insert(file).second) return;
        for (const Include& include : includesOf(root_ / file)) {
            if (include.system) {
                bool qt = include.target.size() > 1 && include.target[0] == 'Q' && std::isupper(include.target[1]);
                if (qt && !isQtFolder(from) && from.top != "platform" && !isProgramEntry(origin))
                    violations_.push_back({origin, include.target});
                continue;
            }
            if (!allowed(from, test, isProgramEntry(origin), include.target)) {
                violations_.push_back({origin, include.target});
                continue;
            }
            if (placeOf(include.target).top == "tests" && fs::exists(root_ / include.target))
                check(include.target, from, test, origin, visited);
        }
    }

    fs::path root_;
    std::vector<Violation> violations_;
};

std::string listed(const std::vector<Violation>& violations) {
    std::string text;
    for (const Violation& v : violations) text += "\n  " + v.file + " includes " + v.included;
    return text;
}

TEST(LayerOrder, NoFileIncludesAFolderAboveItsOwn) {
    std::vector<Violation> violations = LayerCheck(ORVO_SOURCE_DIR).run();
    EXPECT_TRUE(violations.empty()) << "includes against the layer order:" << listed(violations);
}

// A small tree with one include against the order of each kind the check
// knows, and includes in order around them.
TEST(LayerOrder, TheCheckFindsEachKindOfIncludeAgainstTheOrder) {
    std::vector<Violation> expected = {
        {"actions/qt/form.h", "dialogs/qt/dialog_form.h"},
        {"core/config.cpp", "jobs/launcher.h"},
        {"core/config_test.cpp", "jobs/console_port.h"},  // through tests/fake_console.h
        {"core/texts.cpp", "QString"},
        {"editor/profile.cpp", "core/qt/window.h"},
        {"jobs/orvocmd/processor.cpp", "jobs/orvocmd/qt/view.h"},
        {"jobs/orvocmd/processor.cpp", "platform/linux/spawn.h"},
        {"jobs/run.cpp", "platform/linux/spawn.h"},
        {"platform/linux/spawn.cpp", "core/text.h"},
    };
    std::vector<Violation> found = LayerCheck(fs::path(ORVO_SOURCE_DIR) / "tests/layer_fixture").run();
    EXPECT_EQ(found, expected) << "found:" << listed(found);
}

}  // namespace
}  // namespace orvo
