// The Environment section of ConfigFile and the files made from it: the
// input is the file, then after a NUL the PATH the workbench built.
// - Every variable the section lists is set in the process with its value,
//   unless the platform refuses its name.
// - orvoset.sh gives each variable with a shell name back exactly, as sh
//   reads a single-quoted word: nothing in a value can run or expand.
// - ORVOSET.BAT has one line per variable, PATH and TEXEDIT.
// - The PATH the workbench builds from the inherited one has no empty entry
//   (which would search the current folder) and keeps every inherited entry
//   in its order.
#include <string>
#include <vector>

#include "core/environment_batch_file.h"
#include "core/environment_section.h"
#include "core/ini_document.h"
#include "core/search_path.h"
#include "core/text.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_environment.h"

namespace orvo {
namespace {

using fuzz::check;

// The value of a single-quoted sh word written as 'a'\''b', starting at
// `at` and running to the end of the line; nothing when it is no such word.
std::optional<std::string> unquote(std::string_view line, std::size_t at) {
    std::string value;
    for (;;) {
        if (at >= line.size() || line[at] != '\'') return std::nullopt;
        std::size_t close = line.find('\'', at + 1);
        if (close == std::string_view::npos) return std::nullopt;
        value += line.substr(at + 1, close - at - 1);
        at = close + 1;
        if (at == line.size()) return value;
        if (line.substr(at, 2) != "\\'") return std::nullopt;
        value += '\'';
        at += 2;
    }
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 2);
    const IniDocument config(parts[0]);
    // An inherited value that breaks lines is no PATH anyone has.
    const std::string inherited = withoutLineBreaks(fuzz::part(parts, 1));
    SearchPathInput input {inherited, "/usr/local/texlive/bin/", "/home/u/texfiles/", "/opt/orvo/", "/opt/orvo/"};
    const std::string path = buildSearchPath(input, [](const std::string&) { return true; });
    check(path.find("::") == std::string::npos && (path.empty() || (path.front() != ':' && path.back() != ':')),
          "the PATH has no empty entry", path);
    std::vector<std::string> pathEntries = split(path, ':');
    std::size_t next = 0;
    for (const std::string& entry : split(inherited, ':')) {
        if (entry.empty()) continue;
        while (next < pathEntries.size() && pathEntries[next] != entry) ++next;
        check(next < pathEntries.size(), "the PATH keeps every inherited entry in order", entry);
        ++next;
    }
    const std::string texEdit = "emacs +%l \"%s\"";

    EnvironmentEntries entries = environmentEntries(config);
    FakeEnvironment environment;
    applyEnvironmentSection(config, environment);
    for (const auto& [name, value] : entries) {
        if (name.empty() || name.find('=') != std::string::npos) continue;
        check(environment.get(name) == value, "a variable is set to its value", name);
    }

    std::string shell = environmentShellText(entries, path, texEdit);
    std::vector<std::pair<std::string, std::string>> expected = entries;
    expected.emplace_back("PATH", path);
    expected.emplace_back("TEXEDIT", texEdit);
    std::vector<std::string> lines = split(shell, '\n');
    check(shell.empty() || shell.back() == '\n', "the shell file ends its last line");
    if (!lines.empty()) lines.pop_back();
    next = 0;
    for (const auto& [name, value] : expected) {
        std::string variable = trim(name);
        std::string line = "export " + variable + "=";
        if (next < lines.size() && startsWith(lines[next], line)) {
            std::optional<std::string> read = unquote(lines[next], line.size());
            check(read.has_value(), "a value is one single-quoted word", lines[next]);
            check(*read == trim(value), "a value reads back exactly", lines[next]);
            ++next;
        }
    }
    check(next == lines.size(), "every line of the shell file is a variable's", shell);

    std::string batch = environmentBatchText(entries, path, texEdit);
    std::size_t lineEnds = 0;
    for (std::size_t at = batch.find("\r\n"); at != std::string::npos; at = batch.find("\r\n", at + 2)) ++lineEnds;
    check(lineEnds == expected.size(), "one batch line per variable", batch);
    return 0;
}
