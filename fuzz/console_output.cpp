// The console's output list fed job output: the input's first byte sets the
// size of the pieces the rest arrives in, as a pipe hands it over.
// - The lines are the output split at CR, LF, CR LF and LF CR (a pair split
//   across pieces too), with TABs made blanks up to the next multiple of 8
//   columns, as long as nothing was dropped or cut.
// - Under a small bound the list keeps its bound however the output looks,
//   empty lines too; no line is longer than the longest kept, and
//   the dropped-lines line says how many went.
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "jobs/console_output.h"
#include "jobs/console_shown_line.h"

namespace orvo {
namespace {

using fuzz::check;

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The lines as the rules above make them.
std::vector<std::string> expectedLines(std::string_view output) {
    if (output.empty()) return {};
    std::vector<std::string> lines(1);
    char pending = 0;
    std::size_t columns = 0;
    for (char c : output) {
        if (c == '\r' || c == '\n') {
            if (pending != 0 && pending != c) {
                pending = 0;
                continue;
            }
            lines.emplace_back();
            columns = 0;
            pending = c;
            continue;
        }
        pending = 0;
        if (c == '\t') {
            std::size_t blanks = 8 - columns % 8;
            lines.back().append(blanks, ' ');
            columns += blanks;
        } else {
            lines.back() += c;
            if (!isContinuation(c)) ++columns;
        }
    }
    return lines;
}

void feed(ConsoleOutput& console, std::string_view output, std::size_t piece) {
    for (std::size_t at = 0; at < output.size(); at += piece) console.appendOutput(output.substr(at, piece));
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    if (size == 0) return 0;
    const std::size_t piece = 1 + data[0] % 64;
    const std::string_view output = fuzz::asText(data + 1, size - 1);

    // Room for any input the run makes, in blocks small enough to be cheap.
    ConsoleOutput roomy(std::size_t(64) << 10);
    feed(roomy, output, piece);
    std::vector<std::string> expected = expectedLines(output);
    if (roomy.droppedLines() == 0 && roomy.longestLine() < roomy.maxLineBytes()) {
        check(roomy.lineCount() == expected.size(), "one line per line break");
        for (std::size_t i = 0; i < expected.size(); ++i) check(roomy.line(i) == expected[i], "a line is kept as written");
    }

    ConsoleOutput small(kMinimumConsoleBytes);
    feed(small, output, piece);
    check(small.heldBytes() <= small.maxBytes(), "the list keeps its bound");
    for (std::size_t i = 0; i < small.lineCount(); ++i) {
        std::string_view line = small.line(i);
        check(line.find_first_of("\r\n\t") == std::string_view::npos, "a line holds no break and no TAB", line);
        if (i > 0 || small.droppedLines() == 0) check(line.size() <= small.maxLineBytes(), "a line keeps the limit");
        shownText(line);
        shownColumns(line, piece, 80);
    }
    if (small.droppedLines() > 0) {
        check(small.line(0).find(std::to_string(small.droppedLines())) != std::string_view::npos,
              "the first line says how many went", small.line(0));
    }
    return 0;
}
