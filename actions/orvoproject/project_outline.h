#pragma once
// The outline of a whole document: the headings of the main file and of
// every file it reads, in the order TeX meets them, each with its file and
// line, nested by level. Each file is read once; a file that is missing,
// cannot be read, is too large or would close an include cycle is listed
// where it is named instead of being read.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "actions/orvoproject/tex_marks.h"
#include "platform/file_system.h"

namespace orvo {

// Reads a source file, never more than `limit` bytes of it (a file's first
// `limit` bytes when it is larger), and never waiting on anything that is
// not a regular file.
using SourceRead = std::function<FileRead(const std::string& path, std::size_t limit)>;

struct OutlineLimits {
    std::size_t fileBytes = 8u << 20;        // one file
    std::size_t documentBytes = 64u << 20;   // all files together
    std::size_t files = 2000;
    std::size_t depth = 64;                  // files reading files
    std::size_t entries = 20000;
};

struct OutlineEntry {
    enum class Kind {
        Heading,
        MissingFile,     // an input that names no file
        UnreadableFile,  // there, but it cannot be read (`error`)
        TooLargeFile,    // larger than one file may be
        DocumentLimit,   // the document reached its limit of bytes, files or depth
        IncludeCycle,    // the file is reading itself, through the files between
        ReadBefore,      // read once already, further up
    };
    Kind kind = Kind::Heading;
    int level = 0;      // headings 0 to kOutlineLevels - 1; the others below every heading
    std::string mark;   // "\section*", or the input command
    std::string text;   // the title as UTF-8, or the file as the input names it
    std::string file;   // the file that holds the mark, as it was read
    int line = 1;
    std::optional<FileError> error;  // UnreadableFile
    int parent = -1;                 // the entry it nests under, or -1
};

struct ProjectOutline {
    std::vector<OutlineEntry> entries;
    std::vector<std::string> filesRead;  // in the order they were read, the main file first
    // Why the main file gave no outline; nothing when it was read.
    std::optional<OutlineEntry::Kind> mainProblem;
    std::optional<FileError> mainError;
    bool cut = false;  // more entries than the limit: the rest is left out
};

// The file an input names: relative names from the main file's folder,
// ".tex" added when missing (the name itself is tried second, as TeX does).
// Quotes around the name are dropped; "." and ".." are resolved.
std::vector<std::string> inputCandidates(const std::string& name, const std::string& mainFolder);
// "a/./b/../c" as "a/c"; a path that climbs above its start keeps its "..".
std::string normalPath(const std::string& path);

ProjectOutline outlineProject(const std::string& mainFile, const MarkRoles& roles, const SourceRead& read,
                              const OutlineLimits& limits = {});

}  // namespace orvo
