#include "core/path_names.h"

#include "core/text.h"

namespace orvo {
namespace {

std::size_t fileNameStart(std::string_view path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

// Position of the extension's dot, or npos.
std::size_t extensionDot(std::string_view fileName) {
    std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot < fileNameStart(fileName)) return std::string_view::npos;
    return dot;
}

}  // namespace

std::string baseName(std::string_view fileName) {
    return std::string(fileName.substr(0, extensionDot(fileName)));
}

std::string extensionOf(std::string_view fileName) {
    std::size_t dot = extensionDot(fileName);
    return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot));
}

std::string folderOf(std::string_view path) { return std::string(path.substr(0, fileNameStart(path))); }

std::string fileNameOf(std::string_view path) { return std::string(path.substr(fileNameStart(path))); }

std::string collapseDoubledSlashes(std::string_view path) {
    // Removing a later '/' never forms a pair at the start, so a path that does
    // not start with one has every run of '/' squeezed to one.
    if (startsWith(path, "//")) return std::string(path);
    std::string result;
    for (char c : path) {
        if (c == '/' && !result.empty() && result.back() == '/') continue;
        result += c;
    }
    return result;
}

}  // namespace orvo
