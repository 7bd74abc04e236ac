#include "core/text.h"

#include <algorithm>

namespace orvo {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
char upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

}  // namespace

std::string trim(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string trimLeft(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) ++begin;
    return std::string(text.substr(begin));
}

std::string toUpper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), upper);
    return result;
}

std::string toLower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lower);
    return result;
}

std::string withoutLineBreaks(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return result;
}

std::string firstLine(std::string_view text) { return std::string(text.substr(0, text.find_first_of("\r\n"))); }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upper(x) == upper(y); });
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && equalsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

std::size_t findIgnoringCase(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size()) return std::string_view::npos;
    for (std::size_t i = 0; i + needle.size() <= text.size(); ++i) {
        if (equalsIgnoringCase(text.substr(i, needle.size()), needle)) return i;
    }
    return std::string_view::npos;
}

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    if (text.empty()) return parts;
    std::size_t start = 0;
    while (true) {
        std::size_t at = text.find(separator, start);
        parts.emplace_back(text.substr(start, at == std::string_view::npos ? text.size() - start : at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return parts;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string result;
    std::size_t start = 0;
    while (true) {
        std::size_t at = text.find(from, start);
        if (at == std::string_view::npos) break;
        result.append(text.substr(start, at - start));
        result.append(to);
        start = at + from.size();
    }
    result.append(text.substr(start));
    return result;
}

}  // namespace orvo
