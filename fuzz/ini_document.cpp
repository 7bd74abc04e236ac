// The INI engine on any bytes. The input up to its first NUL is the file;
// after it come NUL-separated triples of section, key and value to write.
// - Every section and key the lists name can be looked up.
// - Parse, write back, parse again: the same sections, keys and values, and
//   the same text.
// - A written key reads back as written (line breaks made blanks, cut to the
//   value limit), every other key keeps its value, and a name no line could
//   hold is refused without a change.
// - Numbers read by the integer and real rules write back to the same value.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/ini_document.h"
#include "core/text.h"
#include "fuzz/fuzz_input.h"

namespace orvo {
namespace {

using fuzz::check;

constexpr std::size_t kMaxWrites = 4;

struct Entry {
    std::string section;
    std::string key;
    std::string value;
    bool operator==(const Entry&) const = default;
};

// Every readable key in list order, with its value.
std::vector<Entry> snapshot(const IniDocument& document) {
    std::vector<Entry> entries;
    for (const std::string& section : document.sectionNames()) {
        check(document.hasSection(section), "a listed section is found", section);
        for (std::string& key : document.keyNames(section)) {
            std::optional<std::string> value = document.value(section, key);
            check(value.has_value(), "a listed key is found", key);
            check(value->size() <= IniDocument::kValueLimit, "a value keeps the limit", key);
            entries.push_back({section, std::move(key), std::move(*value)});
        }
    }
    return entries;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

char comparable(char c) {
    if (c == '\r' || c == '\n') return ' ';
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// How the engine compares names: blanks at the ends and case do not count,
// a line break counts as a blank.
bool sameName(std::string_view a, std::string_view b) {
    a = trimmed(a);
    b = trimmed(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (comparable(a[i]) != comparable(b[i])) return false;
    }
    return true;
}

// A key line the reader takes back as the same key.
bool writableKey(std::string_view key) {
    std::string_view name = trimmed(key);
    return name.find('=') == std::string_view::npos && !startsWith(name, "[") && !startsWith(name, ";");
}

void checkNumbers(const std::string& value) {
    if (std::optional<int> number = parseIniInteger(value)) {
        check(parseIniInteger(std::to_string(*number)) == number, "an integer writes back", value);
    }
    if (std::optional<double> real = parseIniReal(value)) {
        std::optional<double> back = parseIniReal(formatIniReal(*real));
        check(back.has_value(), "a real writes back as a number", value);
        check(std::fabs(*back - *real) <= std::fabs(*real) * 1e-14, "a real writes back to 15 digits", value);
    }
}

struct Write {
    std::string section;
    std::string key;
    std::string value;  // as it must read back
};

template <typename A, typename B>
bool sameKey(const A& a, const B& b) {
    return sameName(a.key, b.key) && sameName(a.section, b.section);
}

// Writes what it can; a refused name must change nothing. Returns the
// writes made.
std::vector<Write> writeAll(IniDocument& document, const std::vector<std::string_view>& parts) {
    std::vector<Write> writes;
    for (std::size_t first = 1; first < parts.size(); first += 3) {
        std::string section = fuzz::part(parts, first);
        std::string key = fuzz::part(parts, first + 1);
        std::string value = fuzz::part(parts, first + 2);
        if (!writableKey(key)) {
            std::string before = document.text();
            check(!document.writeString(section, key, value), "a name no line can hold is refused", key);
            check(document.text() == before, "a refused write changes nothing", key);
            continue;
        }
        check(document.writeString(section, key, value), "a name a line can hold is written", key);
        writes.push_back({section, key, withoutLineBreaks(value).substr(0, IniDocument::kValueLimit)});
    }
    return writes;
}

// Each key written reads back its last value; every key no write touched
// keeps the value it had.
void checkWrites(const IniDocument& document, const std::vector<Entry>& before, const std::vector<Write>& writes) {
    for (std::size_t i = 0; i < writes.size(); ++i) {
        bool overwritten = false;
        for (std::size_t later = i + 1; later < writes.size(); ++later) {
            overwritten = overwritten || sameKey(writes[i], writes[later]);
        }
        if (!overwritten) {
            check(document.value(writes[i].section, writes[i].key) == writes[i].value, "a written key reads back",
                  writes[i].key);
        }
    }
    for (const Entry& entry : before) {
        bool touched = false;
        for (const Write& write : writes) touched = touched || sameKey(write, entry);
        if (!touched) {
            check(document.value(entry.section, entry.key) == entry.value, "a write leaves other keys alone",
                  entry.key);
        }
    }
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 1 + 3 * kMaxWrites);
    IniDocument document(parts[0]);
    std::vector<Entry> entries = snapshot(document);
    for (const Entry& entry : entries) checkNumbers(entry.value);

    // Text that comes back as it came in parses as it did; only a changed
    // text (a line break added at its end) needs reading again.
    std::string text = document.text();
    if (text != parts[0]) {
        IniDocument again(text);
        check(snapshot(again) == entries, "the written text reads back the same", text);
        check(again.text() == text, "the written text is written back unchanged", text);
    }

    if (parts.size() > 1) {
        std::vector<Write> writes = writeAll(document, parts);
        checkWrites(document, entries, writes);
        std::string written = document.text();
        check(snapshot(IniDocument(written)) == snapshot(document), "a written file reads back", written);
    }
    return 0;
}
