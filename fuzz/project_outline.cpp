// The outline reader on any bytes. The input's NUL-separated parts are the
// document's files: the first is the main file, and every other file an
// input names is one of the parts, picked by its name; some names are
// missing files and some cannot be read.
// - Every entry names a file that was read, at a line that file has.
// - A heading nests under an earlier heading of a higher level, a file
//   entry under an earlier heading; levels are in range.
// - Titles are UTF-8 and keep their limit.
// - Each file is read once, and the limits of the document hold.
// - Scanning one text gives its marks in line order, each on a line that
//   holds its command.
#include <map>
#include <string>
#include <vector>

#include "actions/orvoproject/project_outline.h"
#include "actions/orvoproject/tex_marks.h"
#include "core/ini_document.h"
#include "core/project_marks.h"
#include "core/text_decoding.h"
#include "fuzz/fuzz_input.h"

namespace orvo {
namespace {

using fuzz::check;

constexpr std::size_t kMaxFiles = 6;
const std::string kMain = "/doc/main.tex";

std::uint32_t nameHash(const std::string& path) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : path) hash = (hash ^ c) * 16777619u;
    return hash;
}

// The text's lines, each without its line end; CR LF, LF and a lone CR end one.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string controlWordOf(const std::string& mark) {
    return mark.back() == '*' ? mark.substr(0, mark.size() - 1) : mark;
}

void checkScan(std::string_view text, const MarkRoles& roles) {
    std::vector<std::string_view> lines = linesOf(text);
    int last = 1;
    for (const TexMark& mark : findTexMarks(text, roles)) {
        check(mark.line >= last, "marks come in line order", mark.mark);
        last = mark.line;
        check(mark.line >= 1 && std::size_t(mark.line) <= lines.size(), "a mark is on a line of the text", mark.mark);
        check(lines[mark.line - 1].find(controlWordOf(mark.mark)) != std::string_view::npos,
              "a mark's line holds its command", mark.mark);
        check(mark.text.size() <= kLongestTitle, "a title keeps its limit", mark.text);
        check(mark.kind == TexMark::Kind::Heading || !mark.text.empty(), "an input names a file", mark.mark);
    }
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), kMaxFiles);
    std::string section = kDefaultProjectSection;
    const MarkRoles roles = markRoles(readProjectMarks(IniDocument(), section));
    checkScan(parts[0], roles);

    OutlineLimits limits;
    limits.fileBytes = 1024;
    limits.documentBytes = 2048;
    limits.files = 16;
    limits.depth = 6;
    limits.entries = 200;

    std::map<std::string, std::string> served;  // what each file read gave
    std::map<std::string, int> accepted;        // reads within their limit
    std::size_t acceptedBytes = 0;
    SourceRead read = [&](const std::string& path, std::size_t limit) -> FileRead {
        std::uint32_t hash = nameHash(path);
        if (path != kMain && hash % 5 == 0) return {{}, FileError {FileError::Kind::Missing, 2}};
        if (path != kMain && hash % 11 == 1) return {{}, FileError {FileError::Kind::NotRegularFile, 0}};
        std::string content(path == kMain ? parts[0] : parts[hash % parts.size()]);
        if (content.size() > limit) content.resize(limit);
        if (content.size() < limit) {
            ++accepted[path];
            acceptedBytes += content.size();
        }
        served[path] = content;
        return {content, std::nullopt};
    };
    ProjectOutline outline = outlineProject(kMain, roles, read, limits);

    check(outline.entries.size() <= limits.entries, "the outline keeps its limit");
    check(acceptedBytes <= limits.documentBytes, "the document keeps its limit");
    for (const auto& [path, count] : accepted) check(count == 1, "each file is read once", path);
    check(outline.filesRead.size() <= limits.files, "the files keep their limit");
    for (const std::string& file : outline.filesRead)
        check(accepted.count(file) == 1, "a file read was accepted", file);

    for (std::size_t i = 0; i < outline.entries.size(); ++i) {
        const OutlineEntry& e = outline.entries[i];
        bool heading = e.kind == OutlineEntry::Kind::Heading;
        auto file = served.find(e.file);
        check(file != served.end() && accepted.count(e.file), "an entry's file was read", e.file);
        check(e.line >= 1 && std::size_t(e.line) <= linesOf(file->second).size(), "an entry is on a line of its file",
              e.mark);
        check(heading ? e.level >= 0 && e.level < kOutlineLevels : e.level == kOutlineLevels, "levels are in range");
        check(isValidUtf8(e.text) && e.text.size() <= kLongestTitle, "an entry's text is UTF-8 within its limit",
              e.text);
        check(e.parent < int(i), "a parent comes first");
        if (e.parent >= 0) {
            const OutlineEntry& parent = outline.entries[std::size_t(e.parent)];
            check(parent.kind == OutlineEntry::Kind::Heading, "entries nest under headings");
            check(parent.level < e.level, "a heading nests under a higher level");
        }
    }
    return 0;
}
