// The topic-list reader on any bytes. The input up to its first NUL is the
// list; after it comes the character-set name it is read with.
// - Every page lies in the list's folder, as valid UTF-8, with its name
//   trimmed and '/' for every '\'.
// - No more pairs than half the lines, rounded up.
// - Each number a line holds answers with the page of a pair, or nothing,
//   and a second load holds every pair twice without changing an answer.
#include <charconv>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "actions/help_topics.h"
#include "core/text.h"
#include "core/text_decoding.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_file_system.h"

namespace orvo {
namespace {

using fuzz::check;

const std::string kFolder = "/opt/orvo/HELP/US/ORVO5/";
const std::string kList = kFolder + "ORVO5.LST";

// The numbers the lines could pair a page with, and a few no line holds.
std::set<int> candidateContexts(const std::vector<std::string>& lines) {
    std::set<int> contexts {0, 10, 200, -1};
    for (const std::string& line : lines) {
        std::string text = trim(line);
        int number = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error == std::errc() && end == text.data() + text.size()) contexts.insert(number);
    }
    return contexts;
}

void checkPage(const std::optional<std::string>& page) {
    if (!page) return;
    check(startsWith(*page, kFolder) && page->size() > kFolder.size(), "a page lies in the list's folder", *page);
    std::string name = page->substr(kFolder.size());
    check(name == trim(name), "a page's name is trimmed", name);
    check(name.find('\\') == std::string::npos, "a page's name has no backslash", name);
    check(isValidUtf8(name), "a page's name is UTF-8", name);
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 2);
    std::string list = fuzz::part(parts, 0);
    std::string charset = fuzz::part(parts, 1);
    FakeFileSystem files;
    files.addFile(kList, list);

    HelpTopics topics;
    check(topics.load(files, kList, charset), "a regular file is read");
    std::vector<std::string> lines = splitTextLines(textAsUtf8(list, charset));
    check(topics.size() <= (lines.size() + 1) / 2, "at most one pair for two lines");

    std::set<int> contexts = candidateContexts(lines);
    std::vector<std::optional<std::string>> answers;
    for (int context : contexts) {
        answers.push_back(topics.pageOf(context));
        checkPage(answers.back());
    }

    std::size_t once = topics.size();
    topics.load(files, kList, charset);
    check(topics.size() == 2 * once, "a second load holds every pair twice");
    std::size_t i = 0;
    for (int context : contexts) check(topics.pageOf(context) == answers[i++], "a second load changes no answer");
    return 0;
}
