#include "core/ui_text_index.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <utility>

#include "core/text.h"

namespace orvo {

extern const char kUiTextIndexText[];  // generated from ui_text_index.tsv

namespace {

std::optional<int> number(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<UiTextKind> kindNamed(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, UiTextKind>, 6> kKinds {{
        {"Caption", UiTextKind::Caption},
        {"Hint", UiTextKind::Hint},
        {"Text", UiTextKind::Text},
        {"Item", UiTextKind::Item},
        {"Textlist", UiTextKind::Textlist},
        {"Message", UiTextKind::Message},
    }};
    for (const auto& [kindName, kind] : kKinds) {
        if (name == kindName) return kind;
    }
    return std::nullopt;
}

std::optional<UiTextEntry> parseRow(std::string_view row) {
    std::vector<std::string> fields = split(row, '\t');
    if (fields.size() < 4) return std::nullopt;
    for (std::string& field : fields) field = trim(field);
    std::optional<int> line = number(fields[0]);
    std::optional<UiTextKind> kind = kindNamed(fields[3]);
    if (!line || *line < 1 || !kind || fields[1].empty() || fields[2].empty()) return std::nullopt;
    UiTextEntry entry {*line, fields[1], fields[2], *kind, -1};
    bool needsItem = *kind == UiTextKind::Item || *kind == UiTextKind::Message;
    if (needsItem) {
        std::optional<int> item = fields.size() > 4 ? number(fields[4]) : std::nullopt;
        if (!item || *item < 0) return std::nullopt;
        entry.item = *item;
    }
    return entry;
}

}  // namespace

std::vector<UiTextEntry> parseUiTextIndex(std::string_view text, std::vector<UiTextIndexError>* errors) {
    std::vector<UiTextEntry> entries;
    int rowNumber = 0;
    for (const std::string& row : split(text, '\n')) {
        ++rowNumber;
        std::string content = trim(row);
        if (content.empty() || content.front() == '#') continue;
        if (std::optional<UiTextEntry> entry = parseRow(row)) {
            entries.push_back(std::move(*entry));
        } else if (errors) {
            errors->push_back({rowNumber, content});
        }
    }
    return entries;
}

const std::vector<UiTextEntry>& uiTextIndex() {
    static const std::vector<UiTextEntry> index = parseUiTextIndex(kUiTextIndexText);
    return index;
}

std::vector<UiTextEntry> windowTextEntries(const std::vector<UiTextEntry>& index, std::string_view window) {
    std::vector<UiTextEntry> entries;
    for (const UiTextEntry& entry : index) {
        if (entry.window == window && entry.kind != UiTextKind::Message) entries.push_back(entry);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const UiTextEntry& a, const UiTextEntry& b) { return a.line < b.line; });
    return entries;
}

std::vector<int> windowMessageLines(const std::vector<UiTextEntry>& index, std::string_view window) {
    std::vector<std::pair<int, int>> byEntry;  // entry number, line
    for (const UiTextEntry& entry : index) {
        if (entry.window == window && entry.kind == UiTextKind::Message) byEntry.emplace_back(entry.item, entry.line);
    }
    std::sort(byEntry.begin(), byEntry.end());
    std::vector<int> lines;
    for (const auto& [item, line] : byEntry) lines.push_back(line);
    return lines;
}

std::vector<std::string> messagesFromLines(const std::vector<int>& lines, const std::vector<std::string>& uiStrings) {
    std::vector<std::string> messages;
    for (int line : lines) messages.push_back(line < int(uiStrings.size()) ? uiStrings[line] : std::string(" "));
    return messages;
}

std::vector<std::string> windowMessages(std::string_view window, const std::vector<std::string>& uiStrings) {
    return messagesFromLines(windowMessageLines(uiTextIndex(), window), uiStrings);
}

}  // namespace orvo
