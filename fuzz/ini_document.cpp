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
    std::size_t section;  // index into the snapshot's sections
    std::string key;
    std::string value;
    bool operator==(const Entry&) const = default;
};

struct Snapshot {
    std::vector<std::string> sections;
    std::vector<Entry> entries;
    bool operator==(const Snapshot&) const = default;
};

// Every readable key in list order, with its value.
Snapshot snapshot(const IniDocument& document) {
    Snapshot shot;
    shot.sections = document.sectionNames();
    for (std::size_t i = 0; i < shot.sections.size(); ++i) {
        const std::string& section = shot.sections[i];
        check(document.hasSection(section), "a listed section is found", section);
        for (std::string& key : document.keyNames(section)) {
            std::optional<std::string> value = document.value(section, key);
            check(value.has_value(), "a listed key is found", key);
            check(value->size() <= IniDocument::kValueLimit, "a value keeps the limit", key);
            shot.entries.push_back({i, std::move(key), std::move(*value)});
        }
    }
    return shot;
}

// The names the lists give, without the values.
std::vector<std::vector<std::string>> listing(const IniDocument& document) {
    std::vector<std::vector<std::string>> names;
    for (std::string& section : document.sectionNames()) {
        names.push_back(document.keyNames(section));
        names.back().push_back(std::move(section));
    }
    return names;
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

bool sameKey(std::string_view sectionA, std::string_view keyA, std::string_view sectionB, std::string_view keyB) {
    return sameName(keyA, keyB) && sameName(sectionA, sectionB);
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

// Each key written reads back its last value.
void checkWritten(const IniDocument& document, const std::vector<Write>& writes) {
    for (std::size_t i = 0; i < writes.size(); ++i) {
        bool overwritten = false;
        for (std::size_t later = i + 1; later < writes.size(); ++later) {
            overwritten = overwritten || sameKey(writes[i].section, writes[i].key, writes[later].section, writes[later].key);
        }
        if (!overwritten) {
            check(document.value(writes[i].section, writes[i].key) == writes[i].value, "a written key reads back",
                  writes[i].key);
        }
    }
}

// Every key no write touched keeps the value it had.
void checkUntouched(const IniDocument& document, const Snapshot& before, const std::vector<Write>& writes) {
    for (const Entry& entry : before.entries) {
        const std::string& section = before.sections[entry.section];
        bool touched = false;
        for (const Write& write : writes) touched = touched || sameKey(write.section, write.key, section, entry.key);
        if (!touched) {
            check(document.value(section, entry.key) == entry.value, "a write leaves other keys alone", entry.key);
        }
    }
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 1 + 3 * kMaxWrites);
    IniDocument document(parts[0]);
    const Snapshot before = snapshot(document);
    for (const Entry& entry : before.entries) checkNumbers(entry.value);

    if (parts.size() == 1) {
        // Text that comes back as it came in parses as it did; only a changed
        // text (a line break added at its end) needs reading again. With
        // writes, the file read back after them is checked instead.
        std::string text = document.text();
        if (text != parts[0]) {
            IniDocument again(text);
            check(again.text() == text, "the written text is written back unchanged", text);
            check(snapshot(again) == before, "the written text reads back the same", text);
        }
    } else {
        std::vector<Write> writes = writeAll(document, parts);
        checkWritten(document, writes);
        // What the writes did must be in the file: read back, it lists what
        // the document lists and holds every value.
        std::string written = document.text();
        IniDocument reread(written);
        check(reread.text() == written, "a written file is written back unchanged", written);
        check(listing(reread) == listing(document), "a written file lists what was written", written);
        checkWritten(reread, writes);
        checkUntouched(reread, before, writes);
    }
    return 0;
}
