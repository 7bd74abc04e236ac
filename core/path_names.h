#pragma once
// The file-name pieces every job derives its sibling names from (".DVI",
// ".LOG", ".ORVOPAR" ...). Pure text functions: nothing here touches the file
// system. Folders end in '/'.
#include <string>
#include <string_view>

namespace orvo {

// The name without its extension: everything before the last dot of the part
// after the last '/'; the folder stays in front. A name without a dot is its
// own base name.
std::string baseName(std::string_view fileName);
// The extension with its dot ("/a/paper.tex" -> ".tex"), or empty.
std::string extensionOf(std::string_view fileName);
// Up to and including the last '/', or empty when there is none.
std::string folderOf(std::string_view path);
// The part after the last '/'.
std::string fileNameOf(std::string_view path);

// Removes the second '/' of each doubled '/' from left to right, as long as
// the first remaining pair does not stand at the very start: a path starting
// with "//" (a network path) is left as it is, and so are all pairs behind it.
std::string collapseDoubledSlashes(std::string_view path);

}  // namespace orvo
