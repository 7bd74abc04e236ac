#include "core/command_words.h"

#include "core/text.h"

namespace orvo {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> splitCommandLine(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;  // a quote pair alone still makes a (possibly empty) word
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\\' && i + 1 < line.size() && line[i + 1] == '"') {
            word += '"';
            inWord = true;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (isSeparator(c) && !quoted) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

CommandLineParts splitProgramPart(std::string_view line) {
    std::string_view text = line;
    while (!text.empty() && isSeparator(text.front())) text.remove_prefix(1);
    bool quoted = false;
    std::size_t end = 0;
    for (; end < text.size(); ++end) {
        char c = text[end];
        if (c == '\\' && end + 1 < text.size() && text[end + 1] == '"') ++end;
        else if (c == '"') quoted = !quoted;
        else if (isSeparator(c) && !quoted) break;
    }
    return {std::string(text.substr(0, end)), trim(text.substr(end))};
}

std::string quoteWord(std::string_view word) {
    std::size_t bodyEnd = word.find_last_not_of('\\') + 1;  // npos + 1 == 0: all backslashes
    std::string quoted = "\"";
    for (char c : word.substr(0, bodyEnd)) {
        if (c == '"') quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    quoted += word.substr(bodyEnd);
    return quoted;
}

std::string quoteWordIfNeeded(std::string_view word) {
    if (!word.empty() && word.find_first_of(" \t\"") == std::string_view::npos) return std::string(word);
    return quoteWord(word);
}

}  // namespace orvo
