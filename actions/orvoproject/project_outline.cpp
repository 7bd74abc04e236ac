#include "actions/orvoproject/project_outline.h"

#include <algorithm>
#include <set>

#include "core/path_names.h"
#include "core/text.h"
#include "core/text_decoding.h"

namespace orvo {
namespace {

using Kind = OutlineEntry::Kind;

// Below every heading: a file entry nests under the heading it stands in.
constexpr int kFileEntryLevel = kOutlineLevels;

// Titles are taken as UTF-8 when they are, else as the Western code page
// TeX files were long written in.
std::string displayText(std::string_view bytes) {
    return displayableLine(textAsUtf8(bytes, "WESTERN"), kLongestTitle);
}

OutlineEntry makeEntry(Kind kind, int level, const TexMark& mark, const std::string& file) {
    OutlineEntry entry;
    entry.kind = kind;
    entry.level = level;
    entry.mark = mark.mark;
    entry.text = displayText(mark.text);
    entry.file = file;
    entry.line = mark.line;
    return entry;
}

class OutlineBuilder {
public:
    OutlineBuilder(const MarkRoles& roles, const SourceRead& read, const OutlineLimits& limits)
        : roles_(roles), read_(read), limits_(limits) {}

    ProjectOutline build(const std::string& mainFile) {
        std::string main = normalPath(mainFile);
        mainFolder_ = folderOf(main);
        FileRead file = readBounded(main);
        if (file.missing()) {
            outline_.mainProblem = Kind::MissingFile;
        } else if (file.unreadable()) {
            outline_.mainProblem = Kind::UnreadableFile;
            outline_.mainError = file.error;
        } else if (tooLarge(file)) {
            outline_.mainProblem = Kind::TooLargeFile;
        } else {
            scan(main, std::move(file.content));
        }
        nest();
        return std::move(outline_);
    }

private:
    std::size_t readLimit() const {
        std::size_t left = limits_.documentBytes > bytesRead_ ? limits_.documentBytes - bytesRead_ : 0;
        return std::min(limits_.fileBytes, left);
    }

    // One byte beyond what may be read tells a file that is larger.
    FileRead readBounded(const std::string& path) { return read_(path, readLimit() + 1); }
    bool tooLarge(const FileRead& file) const { return file.content.size() > readLimit(); }

    void scan(const std::string& path, std::string content) {
        bytesRead_ += content.size();
        outline_.filesRead.push_back(path);
        done_.insert(path);
        reading_.push_back(path);
        std::vector<TexMark> marks = findTexMarks(content, roles_);
        // The files it reads are read while it waits: its text is not needed any more.
        std::string().swap(content);
        for (const TexMark& mark : marks) {
            if (outline_.cut) break;
            if (mark.kind == TexMark::Kind::Heading)
                add(makeEntry(Kind::Heading, mark.level, mark, path));
            else
                input(mark, path);
        }
        reading_.pop_back();
    }

    void input(const TexMark& mark, const std::string& from) {
        auto entry = [&](Kind kind) { return makeEntry(kind, kFileEntryLevel, mark, from); };
        for (const std::string& candidate : inputCandidates(mark.text, mainFolder_)) {
            if (std::find(reading_.begin(), reading_.end(), candidate) != reading_.end())
                return add(entry(Kind::IncludeCycle));
            if (done_.count(candidate)) return add(entry(Kind::ReadBefore));
            if (reading_.size() >= limits_.depth || outline_.filesRead.size() >= limits_.files)
                return add(entry(Kind::DocumentLimit));
            FileRead file = readBounded(candidate);
            if (file.missing()) continue;
            if (file.unreadable()) {
                OutlineEntry e = entry(Kind::UnreadableFile);
                e.error = file.error;
                return add(std::move(e));
            }
            if (tooLarge(file)) {
                bool alone = file.content.size() > limits_.fileBytes;
                return add(entry(alone ? Kind::TooLargeFile : Kind::DocumentLimit));
            }
            return scan(candidate, std::move(file.content));
        }
        add(entry(Kind::MissingFile));
    }

    void add(OutlineEntry entry) {
        if (outline_.entries.size() >= limits_.entries) {
            outline_.cut = true;
            return;
        }
        outline_.entries.push_back(std::move(entry));
    }

    // Each heading under the nearest heading before it of a higher level;
    // a file entry under the heading it stands in.
    void nest() {
        std::vector<int> open;
        std::vector<OutlineEntry>& entries = outline_.entries;
        for (int i = 0; i < int(entries.size()); ++i) {
            OutlineEntry& e = entries[i];
            if (e.kind == Kind::Heading) {
                while (!open.empty() && entries[open.back()].level >= e.level) open.pop_back();
            }
            e.parent = open.empty() ? -1 : open.back();
            if (e.kind == Kind::Heading) open.push_back(i);
        }
    }

    const MarkRoles& roles_;
    const SourceRead& read_;
    const OutlineLimits& limits_;
    std::string mainFolder_;
    std::size_t bytesRead_ = 0;
    std::set<std::string> done_;
    std::vector<std::string> reading_;
    ProjectOutline outline_;
};

}  // namespace

std::string normalPath(const std::string& path) {
    bool absolute = startsWith(path, "/");
    std::vector<std::string> parts;
    for (const std::string& part : split(path, '/')) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..") {
                parts.pop_back();
                continue;
            }
            if (absolute) continue;  // the root is its own parent
        }
        parts.push_back(part);
    }
    std::string result = absolute ? "/" : "";
    for (std::size_t i = 0; i < parts.size(); ++i) result += (i ? "/" : "") + parts[i];
    return result.empty() ? "." : result;
}

std::vector<std::string> inputCandidates(const std::string& name, const std::string& mainFolder) {
    std::string file = name;
    if (file.size() >= 2 && file.front() == '"' && file.back() == '"') file = file.substr(1, file.size() - 2);
    if (file.empty()) return {};
    file = normalPath(startsWith(file, "/") ? file : mainFolder + file);
    if (endsWith(file, ".tex")) return {file};
    return {file + ".tex", file};
}

ProjectOutline outlineProject(const std::string& mainFile, const MarkRoles& roles, const SourceRead& read,
                              const OutlineLimits& limits) {
    return OutlineBuilder(roles, read, limits).build(mainFile);
}

}  // namespace orvo
