#include "actions/orvoproject/texedit_call.h"

#include "core/command_words.h"

namespace orvo {

std::vector<std::string> teXEditArguments(std::string_view teXEdit, const std::string& file, int line) {
    const std::string number = std::to_string(line);
    std::vector<std::string> words = splitCommandLine(teXEdit);
    for (std::string& word : words) {
        std::string filled;
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (word[i] == '%' && i + 1 < word.size() && (word[i + 1] == 's' || word[i + 1] == 'd')) {
                filled += word[i + 1] == 's' ? file : number;
                ++i;
            } else {
                filled += word[i];
            }
        }
        word = std::move(filled);
    }
    return words;
}

}  // namespace orvo
