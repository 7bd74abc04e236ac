// Pair lists (US_FRM.LST ...): any bytes as the file, and after a NUL the
// character-set name and a value to look up.
// - Every display line and value is a line fit for a control, and the list
//   holds one pair per two lines.
// - Every pair's value finds a pair whose value matches it; a value no pair
//   has gives the first pair, unmatched.
#include <string>
#include <vector>

#include "core/pair_list.h"
#include "core/text.h"
#include "core/text_decoding.h"
#include "core/ui_strings.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    using fuzz::check;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 3);
    const std::string charset = fuzz::part(parts, 1);
    FakeFileSystem files;
    files.addFile("/opt/orvo/US_FRM.LST", std::string(parts[0]));
    std::optional<std::vector<ListPair>> pairs = readPairList(files, "/opt/orvo/US_FRM.LST", charset);
    check(pairs.has_value(), "a list that is there is read");
    std::size_t lines = splitTextLines(textAsUtf8(parts[0], charset)).size();
    check(pairs->size() == (lines + 1) / 2, "one pair per two lines");
    for (const ListPair& pair : *pairs) {
        for (const std::string* text : {&pair.display, &pair.value}) {
            check(isValidUtf8(*text) && text->size() <= kMaxUiTextBytes, "a pair's text fits a control", *text);
        }
        std::optional<DisplayChoice> choice = findDisplayText(*pairs, pair.value);
        check(choice && choice->matched, "a pair's value is found", pair.value);
    }
    const std::string value = fuzz::part(parts, 2);
    std::optional<DisplayChoice> choice = findDisplayText(*pairs, value);
    check(choice.has_value() == !pairs->empty(), "only an empty list finds nothing", value);
    if (choice && !choice->matched) {
        check(choice->display == pairs->front().display && choice->value == pairs->front().value,
              "a value no pair has gives the first pair", value);
        for (const ListPair& pair : *pairs) check(!pairValueMatches(pair, value), "an unmatched value matches no pair");
    }
    return 0;
}
