#include "jobs/command_words.h"

#include "core/text.h"

namespace orvo {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> splitCommandWords(std::string_view commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < commandLine.size(); ++i) {
        char c = commandLine[i];
        if (c == '\\' && i + 1 < commandLine.size() && commandLine[i + 1] == '"') {
            word += '"';
            inWord = true;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
            inWord = true;  // "" is an empty word of its own
        } else if (isBlank(c) && !quoted) {
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

CommandLineParts splitProgramPart(std::string_view commandLine) {
    std::string_view text = commandLine;
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    bool quoted = false;
    std::size_t end = 0;
    for (; end < text.size(); ++end) {
        char c = text[end];
        if (c == '\\' && end + 1 < text.size() && text[end + 1] == '"') ++end;
        else if (c == '"') quoted = !quoted;
        else if (isBlank(c) && !quoted) break;
    }
    return {std::string(text.substr(0, end)), trim(text.substr(end))};
}

}  // namespace orvo
