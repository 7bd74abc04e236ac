// The parameter file beside a main file, as any bytes.
// - Read, written and read again, it is written back unchanged: 15 lines,
//   each a value on one line.
// - The derived print-to-file destination of a document without one takes
//   the document's name and keeps one line.
#include <string>
#include <vector>

#include "core/parameter_file.h"
#include "core/text_decoding.h"
#include "core/workbench.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    using fuzz::check;
    Workbench w;
    w.mainPath = "/home/u/docs/";
    w.MainFileName = "paper.tex";
    takeParameterLines(splitTextLines(fuzz::asText(data, size)), w);

    std::string once = parameterFileText(w, w.CurrentFileName);
    std::vector<std::string> lines = splitTextLines(once);
    check(lines.size() == std::size_t(kParameterFileLines), "the file has its 15 lines", once);
    check(lines[0] == kParameterFileHeader, "the file starts with its header", lines[0]);
    Workbench again;
    takeParameterLines(lines, again);
    std::string twice = parameterFileText(again, again.CurrentFileName);
    check(twice == once, "read and written again, the file is unchanged", twice);

    if (deriveFileDestination(w)) {
        check(w.PrinterPort == w.PrinterPortTXT, "a file destination names itself", w.PrinterPort);
        check(w.PrinterPort.find_first_of("\r\n") == std::string::npos, "a file destination is one line",
              w.PrinterPort);
    }
    return 0;
}
