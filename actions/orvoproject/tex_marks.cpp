#include "actions/orvoproject/tex_marks.h"

#include <unordered_map>

#include "core/project_marks.h"
#include "core/text.h"

namespace orvo {
namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

// "\" followed by letters only: a control word the scan can recognise.
bool isControlWord(std::string_view word) {
    if (word.size() < 2 || word[0] != '\\') return false;
    for (char c : word.substr(1)) {
        if (!isLetter(c)) return false;
    }
    return true;
}

std::vector<std::string> controlWords(const std::string& list) {
    std::vector<std::string> words;
    for (const std::string& part : split(list, ';')) {
        std::string word = trim(part);
        if (isControlWord(word)) words.push_back(word);
    }
    return words;
}

// The environments whose body TeX reads as text, not as commands.
constexpr std::string_view kVerbatimEnvironments[] = {"verbatim", "verbatim*", "Verbatim", "Verbatim*",
                                                       "lstlisting", "minted", "comment"};

// Commands that define the command after them: "\renewcommand\chapter{...}"
// redefines the chapter and holds none.
constexpr std::string_view kDefiners[] = {"def",          "gdef",         "edef",           "xdef",
                                          "let",          "newcommand",   "renewcommand",   "providecommand",
                                          "DeclareRobustCommand"};

bool isDefiner(std::string_view name) {
    for (std::string_view definer : kDefiners) {
        if (name == definer) return true;
    }
    return false;
}

enum class Role { Input, Verbatim, Heading };
struct RoleOf {
    Role role;
    int level = 0;
};

// The roles by control word without its "\"; the first role a word is
// given stays.
std::unordered_map<std::string, RoleOf> roleTable(const MarkRoles& roles) {
    std::unordered_map<std::string, RoleOf> table;
    auto add = [&table](const std::vector<std::string>& words, RoleOf role) {
        for (const std::string& word : words) table.emplace(word.substr(1), role);
    };
    add(roles.input, {Role::Input});
    add(roles.verbatim, {Role::Verbatim});
    for (int level = 0; level < kOutlineLevels; ++level) add(roles.levels[level], {Role::Heading, level});
    return table;
}

class Scanner {
public:
    Scanner(std::string_view text, const MarkRoles& roles) : text_(text), roles_(roleTable(roles)) {}

    std::vector<TexMark> run() {
        while (!atEnd()) {
            char c = text_[pos_];
            if (c == '%') {
                skipComment();
            } else if (isLineEnd(c)) {
                consumeLineEnd();
            } else if (c == '\\') {
                command();
            } else {
                ++pos_;
            }
        }
        return std::move(found_);
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    // CR LF, LF and a lone CR each end one line.
    void consumeLineEnd() {
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }

    // A comment takes its line end with it, as in TeX: the next line joins
    // this one without a blank.
    void skipComment() {
        while (!atEnd() && !isLineEnd(text_[pos_])) ++pos_;
        if (!atEnd()) consumeLineEnd();
    }

    std::string_view word() {
        std::size_t start = pos_;
        while (!atEnd() && isLetter(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    void command() {
        ++pos_;  // the backslash
        if (atEnd()) return;
        if (!isLetter(text_[pos_])) {
            // A control symbol: "\%" is a percent sign, "\\" a line break.
            if (isLineEnd(text_[pos_])) consumeLineEnd();
            else ++pos_;
            return;
        }
        int line = line_;
        bool defined = followsDefiner(pos_ - 1);
        std::string name(word());
        definerEnd_ = isDefiner(name) ? pos_ : std::string_view::npos;
        if (defined) return;
        if (name == "begin") return skipVerbatimEnvironment();
        auto role = roles_.find(name);
        if (role == roles_.end()) return;
        switch (role->second.role) {
            case Role::Verbatim: return skipVerbatim();
            case Role::Input: return input("\\" + name, line);
            case Role::Heading: return heading("\\" + name, role->second.level, line);
        }
    }

    // Whether only blanks, "*" and "{" stand between the last definer and `at`.
    bool followsDefiner(std::size_t at) const {
        if (definerEnd_ == std::string_view::npos || definerEnd_ > at) return false;
        return text_.substr(definerEnd_, at - definerEnd_).find_first_not_of(" \t*{") == std::string_view::npos;
    }

    // "\verb|text|" and "\verb*|text|": the text runs to the next delimiter
    // on the same line.
    void skipVerbatim() {
        if (peek() == '*') ++pos_;
        char delimiter = peek();
        if (atEnd() || isLineEnd(delimiter) || isLetter(delimiter) || isBlank(delimiter)) return;
        ++pos_;
        while (!atEnd() && text_[pos_] != delimiter && !isLineEnd(text_[pos_])) ++pos_;
        if (peek() == delimiter) ++pos_;
    }

    void skipVerbatimEnvironment() {
        for (std::string_view environment : kVerbatimEnvironments) {
            std::string begin = "{" + std::string(environment) + "}";
            if (text_.substr(pos_, begin.size()) != begin) continue;
            std::size_t end = text_.find("\\end" + begin, pos_);
            std::size_t stop = end == std::string_view::npos ? text_.size() : end + 4 + begin.size();
            while (pos_ < stop) {
                if (isLineEnd(text_[pos_])) consumeLineEnd();
                else ++pos_;
            }
            return;
        }
    }

    // Blanks, line ends and comments between a command and its arguments;
    // false at the end of a paragraph, where no argument can follow.
    bool skipFiller() {
        bool lineHasText = true;
        while (!atEnd()) {
            char c = text_[pos_];
            if (isBlank(c)) {
                ++pos_;
            } else if (isLineEnd(c)) {
                if (!lineHasText) return false;
                consumeLineEnd();
                lineHasText = false;
            } else if (c == '%') {
                skipComment();
                lineHasText = false;
            } else {
                return true;
            }
        }
        return true;
    }

    // The argument from the opening character at pos_ to its `close`, braces
    // nested; its text with every run of blanks and line ends as one blank
    // and comments left out. False when it ends unclosed, at the end of a
    // paragraph or of the text, or at a stray "}" in "[...]".
    bool argument(char close, std::string* text) {
        ++pos_;
        int depth = 0;
        bool lineHasText = true;
        bool full = false;
        auto append = [text, &full](std::string_view piece) {
            if (!text || full) return;
            if (piece == " " && (text->empty() || text->back() == ' ')) return;
            std::size_t room = kLongestTitle - text->size();
            if (piece.size() <= room) {
                text->append(piece);
                return;
            }
            text->append(piece.substr(0, room));
            full = true;
            // A cut inside a UTF-8 character drops the bytes of it taken so far.
            auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
            if (!continuation(piece[room])) return;
            while (!text->empty() && continuation(text->back())) text->pop_back();
            if (!text->empty() && (static_cast<unsigned char>(text->back()) & 0xC0) == 0xC0) text->pop_back();
        };
        while (!atEnd()) {
            char c = text_[pos_];
            if (isLineEnd(c)) {
                if (!lineHasText) return false;
                consumeLineEnd();
                lineHasText = false;
                append(" ");
                continue;
            }
            if (c == '%') {
                skipComment();
                lineHasText = false;
                continue;
            }
            if (!isBlank(c)) lineHasText = true;
            if (c == '\\') {
                std::size_t start = pos_++;
                if (!atEnd() && isLetter(text_[pos_])) word();
                else if (!atEnd() && !isLineEnd(text_[pos_])) ++pos_;
                append(text_.substr(start, pos_ - start));
                continue;
            }
            ++pos_;
            if (c == '{') {
                ++depth;
            } else if (c == '}') {
                if (depth == 0) return close == '}';
                --depth;
            } else if (c == close && depth == 0) {
                return true;
            }
            append(isBlank(c) ? std::string_view(" ") : std::string_view(&c, 1));
        }
        return false;
    }

    void heading(std::string mark, int level, int line) {
        if (peek() == '*') {
            mark += '*';
            ++pos_;
        }
        if (!skipFiller()) return;
        if (peek() == '[') {
            if (!argument(']', nullptr) || !skipFiller()) return;
        }
        if (peek() != '{') return;
        std::string title;
        argument('}', &title);
        found_.push_back({TexMark::Kind::Heading, level, std::move(mark), trim(title), line});
    }

    // "\input{name}", "\include{name}" or "\input name".
    void input(std::string mark, int line) {
        while (!atEnd() && isBlank(text_[pos_])) ++pos_;
        std::string name;
        if (peek() == '{') {
            if (!argument('}', &name)) return;
        } else {
            if (!atEnd() && isLineEnd(text_[pos_])) consumeLineEnd();
            while (!atEnd() && isBlank(text_[pos_])) ++pos_;
            std::size_t start = pos_;
            while (!atEnd() && !isBlank(text_[pos_]) && !isLineEnd(text_[pos_]) &&
                   std::string_view("%{}\\").find(text_[pos_]) == std::string_view::npos)
                ++pos_;
            name = text_.substr(start, pos_ - start);
        }
        name = trim(name);
        if (!name.empty()) found_.push_back({TexMark::Kind::Input, 0, std::move(mark), std::move(name), line});
    }

    std::string_view text_;
    std::unordered_map<std::string, RoleOf> roles_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::size_t definerEnd_ = std::string_view::npos;
    std::vector<TexMark> found_;
};

}  // namespace

MarkRoles markRoles(const ProjectMarks& marks) {
    MarkRoles roles;
    roles.input = controlWords(marks.InputMarks);
    roles.verbatim = controlWords(marks.Verbatim);
    const std::string* levels[kOutlineLevels] = {&marks.PartMarks, &marks.ChapterMarks, &marks.SectionMarks,
                                                 &marks.SubsectionMarks, &marks.SubsubsectionMarks};
    for (int level = 0; level < kOutlineLevels; ++level) roles.levels[level] = controlWords(*levels[level]);
    return roles;
}

std::vector<TexMark> findTexMarks(std::string_view text, const MarkRoles& roles) { return Scanner(text, roles).run(); }

}  // namespace orvo
