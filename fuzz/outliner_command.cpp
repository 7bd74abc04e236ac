// The outliner's command line and the editor's `TeXEdit` template on any
// bytes. The input's first NUL-separated part is the template, the second
// the file to open, the rest the command line's arguments.
// - The template's words stay its words: a file and a line go into them,
//   never add or split one, and a word "%s" or "%d" becomes the file or the
//   line whole, whatever the file holds.
// - A template without "%" gives its words unchanged.
// - The command line names a main file or says that it lacks one; the main
//   file and every argument a problem names are arguments it was given.
#include <algorithm>
#include <string>
#include <vector>

#include "actions/orvoproject/outliner_command_line.h"
#include "actions/orvoproject/texedit_call.h"
#include "core/command_words.h"
#include "fuzz/fuzz_input.h"

namespace orvo {
namespace {

using fuzz::check;

constexpr std::size_t kMaxArguments = 8;

void checkTemplate(const std::string& teXEdit, const std::string& file, int line) {
    std::vector<std::string> words = splitCommandLine(teXEdit);
    std::vector<std::string> argv = teXEditArguments(teXEdit, file, line);
    check(argv.size() == words.size(), "the template's words stay its words", teXEdit);
    if (teXEdit.find('%') == std::string::npos) check(argv == words, "a template without % is unchanged", teXEdit);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "%s") check(argv[i] == file, "the file is one argument, unchanged", file);
        if (words[i] == "%d") check(argv[i] == std::to_string(line), "the line is one argument", teXEdit);
    }
}

void checkCommandLine(const std::vector<std::string>& arguments) {
    OutlinerOptions options = parseOutlinerArguments(arguments);
    auto given = [&arguments](const std::string& a) {
        return std::find(arguments.begin(), arguments.end(), a) != arguments.end();
    };
    bool lacksMain = !options.problems.empty() && options.problems.front().kind == ArgumentProblem::Kind::NoMainFile;
    check(options.help || options.mainFile.empty() == lacksMain, "a main file, or the word that there is none");
    check(options.mainFile.empty() || given(options.mainFile), "the main file is an argument", options.mainFile);
    for (const ArgumentProblem& problem : options.problems) {
        if (problem.kind != ArgumentProblem::Kind::NoMainFile)
            check(given(problem.argument), "a problem names an argument", problem.argument);
    }
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 2 + kMaxArguments);
    checkTemplate(fuzz::part(parts, 0), fuzz::part(parts, 1), int(size % 100000) + 1);
    std::vector<std::string> arguments;
    for (std::size_t i = 2; i < parts.size(); ++i) arguments.emplace_back(parts[i]);
    checkCommandLine(arguments);
    return 0;
}
