#pragma once
// What every fuzz target shares: the input as text, split into the parts a
// target hands its reader, and the checks that stop a run. A failed check
// aborts, so libFuzzer keeps the input that broke the property.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace orvo::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The parts of `input` between NUL bytes, at most `limit` of them: the last
// one takes the rest, NUL bytes included. Seed files of a single part are
// then plain files as shipped.
inline std::vector<std::string_view> splitParts(std::string_view input, std::size_t limit) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < limit) {
        std::size_t at = input.find('\0');
        if (at == std::string_view::npos) break;
        parts.push_back(input.substr(0, at));
        input.remove_prefix(at + 1);
    }
    parts.push_back(input);
    return parts;
}

// The part `index`, or the empty text when the input has fewer.
inline std::string part(const std::vector<std::string_view>& parts, std::size_t index) {
    return index < parts.size() ? std::string(parts[index]) : std::string();
}

[[noreturn]] inline void fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "property broken: %s [%.*s]\n", what, int(detail.size() > 200 ? 200 : detail.size()),
                 detail.data());
    std::abort();
}

inline void check(bool holds, const char* what, std::string_view detail = {}) {
    if (!holds) fail(what, detail);
}

}  // namespace orvo::fuzz
