#pragma once
// A command line composed from a template and the values put into it, with
// what the template's markers decided. The line itself is never searched for
// markers: a document named "x&NOREDIR y.tex" is a name, not an instruction.
#include <string>
#include <utility>

#include "core/command_markers.h"

namespace orvo {

struct JobCommand {
    // A line from no template, or from one without markers.
    JobCommand(std::string commandLine) : line(std::move(commandLine)) {}  // NOLINT: a plain line is a command
    JobCommand(const char* commandLine) : line(commandLine) {}            // NOLINT: likewise
    JobCommand(std::string commandLine, const MarkedTemplate& from)
        : line(std::move(commandLine)), captured(!from.noRedir) {}

    std::string line;
    // False when the template said "&NOREDIR": the job never runs in the
    // console window, whatever "Grab console output" says.
    bool captured = true;
};

}  // namespace orvo
