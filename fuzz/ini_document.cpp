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

// Whether `a` and `b` list the same keys with the same values, in the same
// order, apart from those the writes touched: a write replaces a value in
// place or adds a key, and leaves every other line as it was.
bool sameApartFromWrites(const Snapshot& a, const Snapshot& b, const std::vector<Write>& writes) {
    auto touched = [&](const Snapshot& shot, const Entry& entry) {
        for (const Write& write : writes) {
            if (sameKey(write.section, write.key, shot.sections[entry.section], entry.key)) return true;
        }
        return false;
    };
    std::size_t i = 0, j = 0;
    for (;;) {
        while (i < a.entries.size() && touched(a, a.entries[i])) ++i;
        while (j < b.entries.size() && touched(b, b.entries[j])) ++j;
        if (i == a.entries.size() || j == b.entries.size()) return i == a.entries.size() && j == b.entries.size();
        const Entry& x = a.entries[i++];
        const Entry& y = b.entries[j++];
        if (a.sections[x.section] != b.sections[y.section] || x.key != y.key || x.value != y.value) return false;
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
        // What the writes did must be in the file: read back, it holds
        // the written values and every other key as it was, and nothing else.
        std::string written = document.text();
        IniDocument reread(written);
        check(reread.text() == written, "a written file is written back unchanged", written);
        checkWritten(reread, writes);
        check(sameApartFromWrites(snapshot(reread), before, writes), "a write leaves other keys alone", written);
    }
    return 0;
}
