// The INI engine on a large ConfigFile: 40 sections of 250 keys. Prints the
// median of 50 parses and the median time per lookup over every key.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/ini_document.h"

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    constexpr int kSections = 40;
    constexpr int kKeys = 250;
    std::string text;
    for (int s = 0; s < kSections; ++s) {
        text += "[Section" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < kKeys; ++k) text += "  Key" + std::to_string(k) + " = \"value " + std::to_string(k) + "\"\r\n";
    }

    std::vector<double> parses;
    for (int i = 0; i < 50; ++i) {
        auto start = Clock::now();
        orvo::IniDocument document(text);
        parses.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (document.sectionNames().size() != kSections) return 1;
    }

    const orvo::IniDocument document(text);
    std::vector<double> lookups;
    std::size_t found = 0;
    for (int round = 0; round < 20; ++round) {
        auto start = Clock::now();
        for (int s = 0; s < kSections; ++s) {
            std::string section = "SECTION" + std::to_string(s);
            for (int k = 0; k < kKeys; ++k) found += document.value(section, "key" + std::to_string(k)).has_value();
        }
        lookups.push_back(std::chrono::duration<double, std::nano>(Clock::now() - start).count() / (kSections * kKeys));
    }
    if (found != std::size_t(20) * kSections * kKeys) return 1;
    std::printf("ini_parse_us: %.0f us\n", median(parses));
    std::printf("ini_lookup_ns: %.0f ns\n", median(lookups));
    return 0;
}
