#pragma once
// The editors the workbench knows how to drive, best first, and the complete
// profile of each: how it is started, its window class, and how the TeX
// programs open it at a line. Only Emacs talks to the workbench, through the
// shipped adapter orvo-dde.el; the others are started and recognised.
#include <string>
#include <string_view>
#include <vector>

#include "core/editor_profile.h"

namespace orvo {

class FileSystem;
struct Workbench;

struct KnownEditor {
    std::string_view name;       // the profile's editor name
    std::string_view program;    // looked for on PATH
    std::string_view className;  // X11 WM_CLASS
    // What follows the program in `TeXEdit`; "%d" the line, "%s" the file.
    std::string_view lineArguments;
};

const std::vector<KnownEditor>& knownEditors();

// Every key of a profile section.
struct ProfileValues {
    EditorProfile profile;
    std::string TeXEdit;
    std::string KillEditorProcesses;
};

// The shipped adapter that makes Emacs answer the workbench.
inline constexpr std::string_view kEmacsAdapterName = "orvo-dde.el";

// The profile of `editor` started as `program` (a path, or a name found on
// PATH). The macro program follows the editor only where it exists.
ProfileValues knownEditorProfile(const KnownEditor& editor, const std::string& program, const Workbench& workbench,
                                 const FileSystem& files);

// The editor of that name, or nothing.
const KnownEditor* findKnownEditor(std::string_view name);

}  // namespace orvo
