#pragma once
// "Run": a line naming a program, folder, document or address, opened the
// way the desktop opens it, with the parameters that follow the name.
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/dialog_context.h"

namespace orvo {

class FileSystem;

struct RunTarget {
    std::string folder;  // the name's folder, ending in '/'; empty for a bare name
    std::string name;
    std::vector<std::string> parameters;
};

// A line that names an existing file or folder (taken from `currentFolder`
// when relative), or an address, is the name as a whole, blanks and all.
// Otherwise its first word (double quotes group) is the name and the other
// words are its parameters, so a parameter may hold folders of its own.
RunTarget runTargetOf(std::string_view line, const FileSystem& files, const std::string& currentFolder);

// The design of the "Run" window: dialog 15.
inline constexpr int kRunDialogNumber = 15;

class RunDialog {
public:
    explicit RunDialog(DialogContext& context) : context_(context) {}
    // Opens what `line` names; true when it was opened (the dialog closes),
    // false after the failure was shown (the dialog stays, with its line).
    bool run(const std::string& line);

private:
    DialogContext& context_;
};

}  // namespace orvo
