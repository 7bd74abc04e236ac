#pragma once
// The active editor profile: how the workbench starts the editor, tells that
// it runs, and drives it through conversations. Fields carry the keys' own
// spelling. `TeXEdit` and `KillEditorProcesses` belong to the profile too but
// live in the workbench state, where the jobs read them.
#include <string>

namespace orvo {

struct EditorProfile {
    std::string Editor;
    std::string EditorClassName;
    std::string LogFileViewer;
    int AutoSave = 10;  // minutes
    std::string DDEEditService;
    std::string DDEEditTopic;
    std::string DDEEditQuit;
    std::string DDEEditSaveCommand;
    std::string DDEEditChanged;
    std::string DDEEditForeground;
    std::string DDEBlockService;
    std::string DDEBlockTopic;
    std::string DDEBlockFileNameMode;
    std::string DDEBlockFileName;
    std::string DDEBlockLineNumberMode;
    std::string DDEBlockLineNumber;
    std::string DDEBlockCutCommand;
    std::string DDEBlockPasteCommand;
    std::string StartEditorWithProgram;
};

// What the editor hands over for a block compile, through a request or
// through the workbench's own "forall" topic.
struct BlockHandover {
    std::string fileName;
    std::string lineNumber;
    // A block run has started for the current block compile request.
    bool runStarted = false;
};

}  // namespace orvo
