// Command lines as the workbench and orvocmd split them, no shell involved.
// The input is a command line, then NUL-separated words (the workbench's
// or orvocmd's own command-line parameters).
// - A word quoted by quoteWord, or by quoteWordIfNeeded, splits back as
//   itself; so do the words of any line, quoted and joined again.
// - The program part of a line is at most one word.
// - "-INIFILE path" gives a folder and a file name that make the path.
// - orvocmd's words are the arguments after its options, or the words of
//   the single argument it was handed as a whole line.
#include <string>
#include <vector>

#include "core/command_line.h"
#include "core/command_words.h"
#include "fuzz/fuzz_input.h"
#include "jobs/orvocmd/command_processor.h"
#include "platform/fake/fake_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    using fuzz::check;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 64);
    const std::string line(parts[0]);

    std::vector<std::string> words = splitCommandLine(line);
    std::string joined;
    for (const std::string& word : words) {
        check(splitCommandLine(quoteWord(word)) == std::vector<std::string>{word}, "a quoted word splits back", word);
        check(splitCommandLine(quoteWordIfNeeded(word)) == std::vector<std::string>{word}, "a word splits back", word);
        joined += (joined.empty() ? "" : " ") + quoteWordIfNeeded(word);
    }
    check(splitCommandLine(joined) == words, "quoted and joined, the words split back", joined);
    check(splitCommandLine(quoteWord(line)) == std::vector<std::string>{line}, "a whole line quoted is one word", line);
    CommandLineParts program = splitProgramPart(line);
    check(splitCommandLine(program.program).size() <= 1, "the program part is one word", program.program);

    CommandLine commandLine;
    for (std::size_t i = 1; i < parts.size(); ++i) commandLine.parameters.emplace_back(parts[i]);
    commandLine.asksInitialization();
    commandLine.hasMenu();
    commandLine.namesDocument();
    if (commandLine.namesIniFile()) {
        check(commandLine.iniFileFolder() + commandLine.iniFileName() == commandLine.parameters[1],
              "folder and name make the path", commandLine.parameters[1]);
    }

    FakeFileSystem files;
    files.addFile("/usr/bin/latex");
    files.addFile("/opt/orvo/COMPILER.BTM");
    files.addFile("/work/a b.tex");
    files.current = "/opt/orvo";
    std::vector<std::string> programWords = cmd::programWords(commandLine.parameters, files);
    std::size_t first = 0;
    while (first < commandLine.parameters.size() && cmd::isIgnoredOption(commandLine.parameters[first])) ++first;
    std::vector<std::string> rest(commandLine.parameters.begin() + long(first), commandLine.parameters.end());
    check(programWords == rest || (rest.size() == 1 && programWords == splitCommandLine(rest[0])),
          "orvocmd runs its arguments or the line it was handed");
    if (!programWords.empty()) {
        std::optional<std::string> file = cmd::findProgramFile(programWords[0], files, "/usr/bin:relative:/opt/orvo");
        if (file) {
            check(files.fileExists(*file), "the program found is there", *file);
            std::vector<std::string> exec = cmd::execWords(*file, programWords, true);
            check(exec.size() >= programWords.size(), "every argument is passed on", *file);
        }
    }
    return 0;
}
