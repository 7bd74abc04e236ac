#include "core/command_markers.h"

#include "core/text.h"

namespace orvo {
namespace {

constexpr std::string_view kFourDos = "&4DOS";
constexpr std::string_view kNoRedir = "&NOREDIR";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool hasFourDosMarker(std::string_view command) { return findIgnoringCase(command, kFourDos) != std::string_view::npos; }

std::string stripFourDosMarker(std::string_view command) {
    std::size_t at = findIgnoringCase(command, kFourDos);
    if (at == std::string_view::npos) return std::string(command);
    return trim(command.substr(at + kFourDos.size()));
}

bool hasNoRedirMarker(std::string_view command) { return findIgnoringCase(command, kNoRedir) != std::string_view::npos; }

std::string stripNoRedirMarker(std::string_view command) {
    std::size_t at = findIgnoringCase(command, kNoRedir);
    if (at == std::string_view::npos) return std::string(command);
    std::size_t end = at + kNoRedir.size();
    if (end < command.size() && isBlank(command[end])) ++end;
    return trim(std::string(command.substr(0, at)) + std::string(command.substr(end)));
}

std::string stripFourDosAndNoRedir(std::string_view command) {
    std::string stripped = stripFourDosMarker(command);
    // Looked for behind "&4DOS": a "&NOREDIR" in front of it went with the
    // text before that marker, and what follows "&NOREDIR" would bring the
    // "&4DOS" back.
    std::size_t at = findIgnoringCase(stripped, kNoRedir);
    if (at == std::string::npos) return stripped;
    return trim(std::string_view(stripped).substr(at + kNoRedir.size()));
}

MarkedTemplate takeMarkers(std::string_view templateText) {
    MarkedTemplate marked;
    marked.fourDos = hasFourDosMarker(templateText);
    marked.text = trim(stripFourDosMarker(templateText));
    marked.noRedir = hasNoRedirMarker(marked.text);
    if (marked.noRedir) marked.text = stripNoRedirMarker(marked.text);
    return marked;
}

}  // namespace orvo
