#include "core/ini_document.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/text.h"

namespace orvo {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";  // the blanks trim() removes
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// trim() without a copy.
std::string_view trimmedView(std::string_view text) {
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

enum class LineKind { Other, Header, Key };

// `name` points into the classified line's text.
struct Classified {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::size_t equalsAt = std::string::npos;
};

Classified classify(std::string_view text, bool firstLine) {
    std::string_view rest = text;
    // A file saved by a Windows editor may start with a UTF-8 mark; without this
    // its first section would go unseen and be appended again by the writer.
    if (firstLine && startsWith(rest, kByteOrderMark)) rest.remove_prefix(kByteOrderMark.size());
    std::size_t start = rest.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return {};
    rest.remove_prefix(start);
    if (rest.front() == ';') return {};
    if (rest.front() == '[') {
        // The last ']' closes the name, so a written name holding ']' reads back whole.
        std::size_t close = rest.rfind(']');
        if (close == std::string_view::npos) return {};
        return {LineKind::Header, trimmedView(rest.substr(1, close - 1)), std::string::npos};
    }
    std::size_t equalsAt = text.find('=');
    if (equalsAt == std::string_view::npos) return {};
    return {LineKind::Key, trimmedView(text.substr(0, equalsAt)), equalsAt};
}

// CR and LF inside a written name or value would start new lines in the file
// and plant sections or keys nobody wrote: withoutLineBreaks makes them blanks.
std::string cleanName(std::string_view name) { return withoutLineBreaks(trimmedView(name)); }
// Names as lookups compare them: cleanName() in upper case. A name read from
// the file goes through the same rule as one asked for: a lone CR inside a
// line stays in the name the file holds, and is found by that name. Every
// parsed line and every lookup makes one, so it is built in one pass into
// one string (short names fit the string itself and allocate nothing).
std::string lookupKey(std::string_view name) {
    std::string key(trimmedView(name));
    for (char& c : key) {
        if (c == '\r' || c == '\n') c = ' ';
        else if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return key;
}

// Whether a key line written with `name` (already clean) reads back as that
// key: an "=" would end the name early, and a line starting with "[" or ";"
// is a section line, a broken one, or a comment.
bool keyLineReadsBack(std::string_view name) {
    return name.find('=') == std::string_view::npos && !startsWith(name, "[") && !startsWith(name, ";");
}

bool isQuoted(std::string_view value) { return value.size() >= 2 && value.front() == '"' && value.back() == '"'; }

std::string decodeValue(std::string_view raw) {
    std::string_view value = trimmedView(raw);
    if (isQuoted(value)) value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, IniDocument::kValueLimit));
}

// A value that reading would change (surrounding blanks, an enclosing pair of
// quotes) is written inside one extra pair of quotes, so it reads back as written.
std::string encodeValue(std::string_view value) {
    std::string result = withoutLineBreaks(value);
    if (trimmedView(result).size() != result.size() || isQuoted(result)) return '"' + result + '"';
    return result;
}

std::string keyName(std::string_view lineText, std::size_t equalsAt) { return trim(lineText.substr(0, equalsAt)); }

// Adds `name` unless it no longer fits the list limit (one separator byte per
// name, one byte left for the list's end); returns false once the list is full.
bool addWithinLimit(std::vector<std::string>& names, std::size_t& used, const std::string& name) {
    if (used + name.size() + 1 > IniDocument::kListLimit - 1) return false;
    used += name.size() + 1;
    names.push_back(name);
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    std::size_t firstBreak = text.find('\n');
    crlf_ = firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r';
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t at = text.find('\n', start);
        Line line;
        std::string_view content;
        if (at == std::string_view::npos) {
            content = text.substr(start);
            start = text.size();
        } else {
            content = text.substr(start, at - start);
            start = at + 1;
            line.end = endsWith(content, "\r") ? LineEnd::CrLf : LineEnd::Lf;
            if (line.end == LineEnd::CrLf) content.remove_suffix(1);
        }
        line.text = std::string(content);
        addParsedLine(std::move(line), preamble_.empty() && sections_.empty());
    }
}

void IniDocument::addParsedLine(Line line, bool firstLine) {
    Classified classified = classify(line.text, firstLine);
    if (classified.kind == LineKind::Header) {
        sectionIndex_.emplace(lookupKey(classified.name), sections_.size());
        std::string name(classified.name);  // before the line moves away from under it
        sections_.push_back(Section{std::move(name), std::move(line), {}, {}, 0});
        return;
    }
    if (sections_.empty()) {
        preamble_.push_back(std::move(line));
        return;
    }
    Section& section = sections_.back();
    if (classified.kind == LineKind::Key) {
        line.equalsAt = classified.equalsAt;
        section.keys.emplace(lookupKey(classified.name), section.body.size());
        section.keysEnd = section.body.size() + 1;
    }
    section.body.push_back(std::move(line));
}

std::string IniDocument::text() const {
    const std::string_view documentEnd = crlf_ ? "\r\n" : "\n";
    std::string out;
    auto append = [&](const Line& line) {
        out += line.text;
        switch (line.end) {
            case LineEnd::Lf: out += '\n'; break;
            case LineEnd::CrLf: out += "\r\n"; break;
            case LineEnd::Document: out += documentEnd; break;
        }
    };
    for (const Line& line : preamble_) append(line);
    for (const Section& section : sections_) {
        append(section.header);
        for (const Line& line : section.body) append(line);
    }
    return out;
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const {
    auto found = sectionIndex_.find(lookupKey(name));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

const IniDocument::Line* IniDocument::findKey(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (!found) return nullptr;
    auto line = found->keys.find(lookupKey(key));
    return line == found->keys.end() ? nullptr : &found->body[line->second];
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
    const Line* line = findKey(section, key);
    if (!line) return std::nullopt;
    return decodeValue(std::string_view(line->text).substr(line->equalsAt + 1));
}

std::string IniDocument::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
    std::optional<std::string> found = value(section, key);
    return found ? *found : std::string(fallback);
}

int IniDocument::readInteger(std::string_view section, std::string_view key, int fallback) const {
    std::optional<std::string> found = value(section, key);
    if (!found) return fallback;
    return parseIniInteger(*found).value_or(fallback);
}

bool IniDocument::readBool(std::string_view section, std::string_view key, bool fallback) const {
    std::optional<std::string> found = value(section, key);
    if (!found) return fallback;
    std::optional<int> number = parseIniInteger(*found);
    return number ? *number != 0 : fallback;
}

double IniDocument::readReal(std::string_view section, std::string_view key, double fallback) const {
    std::optional<std::string> found = value(section, key);
    if (!found) return fallback;
    return parseIniReal(*found).value_or(fallback);
}

std::vector<std::string> IniDocument::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* found = findSection(section);
    if (!found) return names;
    std::size_t used = 0;
    for (std::size_t i = 0; i < found->keysEnd; ++i) {
        const Line& line = found->body[i];
        if (line.equalsAt == std::string::npos) continue;
        std::string name = keyName(line.text, line.equalsAt);
        if (found->keys.at(lookupKey(name)) != i) continue;  // a later duplicate
        if (!addWithinLimit(names, used, name)) break;
    }
    return names;
}

std::vector<std::string> IniDocument::sectionNames() const {
    std::vector<std::string> names;
    std::size_t used = 0;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (sectionIndex_.at(lookupKey(sections_[i].name)) != i) continue;  // a later duplicate
        if (!addWithinLimit(names, used, sections_[i].name)) break;
    }
    return names;
}

bool IniDocument::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

IniDocument::Section& IniDocument::sectionForWriting(std::string_view name) {
    std::string lookup = lookupKey(name);
    if (auto found = sectionIndex_.find(lookup); found != sectionIndex_.end()) return sections_[found->second];
    sectionIndex_.emplace(std::move(lookup), sections_.size());
    std::string clean = cleanName(name);
    Line header{"[" + clean + "]", LineEnd::Document, std::string::npos};
    sections_.push_back(Section{std::move(clean), std::move(header), {}, {}, 0});
    return sections_.back();
}

bool IniDocument::writeString(std::string_view section, std::string_view key, std::string_view value) {
    // Every key the file holds can be written; a name that cannot be is none
    // of them, so the check comes before anything changes.
    std::string name = cleanName(key);
    if (!keyLineReadsBack(name)) return false;
    Section& target = sectionForWriting(section);
    std::string encoded = encodeValue(value);
    std::string lookup = lookupKey(name);
    auto found = target.keys.find(lookup);
    if (found != target.keys.end()) {
        Line& line = target.body[found->second];
        std::string_view held = trimmedView(std::string_view(line.text).substr(0, line.equalsAt));
        std::string text;
        text.reserve(held.size() + 1 + encoded.size());
        text.append(held).append(1, '=').append(encoded);
        line.equalsAt = held.size();
        line.text = std::move(text);
        return true;
    }
    // After the section's last key: only lines without keys follow it, so the
    // indices the key map holds stay valid.
    std::size_t at = target.keysEnd;
    std::size_t equalsAt = name.size();
    target.body.insert(target.body.begin() + static_cast<std::ptrdiff_t>(at),
                       Line{name + "=" + encoded, LineEnd::Document, equalsAt});
    target.keys.emplace(std::move(lookup), at);
    target.keysEnd = at + 1;
    return true;
}

bool IniDocument::writeInteger(std::string_view section, std::string_view key, int value) {
    return writeString(section, key, std::to_string(value));
}

bool IniDocument::writeBool(std::string_view section, std::string_view key, bool value) {
    return writeString(section, key, value ? "1" : "0");
}

bool IniDocument::writeReal(std::string_view section, std::string_view key, double value) {
    return writeString(section, key, formatIniReal(value));
}

std::optional<int> parseIniInteger(std::string_view text) {
    int base = 10;
    bool negative = false;
    std::string_view digits = text;
    if (text.size() > 2 && (startsWith(text, "0x") || startsWith(text, "0X"))) {
        base = 16;
        digits.remove_prefix(2);
    } else if (startsWith(text, "$")) {
        base = 16;
        digits.remove_prefix(1);
    } else if (startsWith(text, "+") || startsWith(text, "-")) {
        negative = text.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty()) return std::nullopt;
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    long long magnitude = 0;
    for (char c : digits) {
        int digit = hexDigit(c);
        if (digit < 0 || digit >= base) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::optional<double> parseIniReal(std::string_view text) {
    std::string_view number = text;
    if (startsWith(number, "+")) {
        number.remove_prefix(1);
        if (startsWith(number, "-")) return std::nullopt;
    }
    // from_chars never consults the locale: '.' is the decimal point everywhere.
    double result = 0;
    const char* end = number.data() + number.size();
    auto [stop, error] = std::from_chars(number.data(), end, result);
    if (error != std::errc() || stop != end || !std::isfinite(result)) return std::nullopt;
    return result;
}

std::string formatIniReal(double value) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (error != std::errc()) return "0";  // cannot happen: 64 bytes hold any %.15g text
    return std::string(buffer, end);
}

}  // namespace orvo
