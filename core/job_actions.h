#pragma once
// The jobs the main window's action buttons start on the main file. The
// main window's logic calls them; the compile, preview, print and log actions
// implement them.
namespace orvo {

class JobActions {
public:
    virtual ~JobActions() = default;
    virtual void compile() = 0;
    // The Compile buttons' right-button path: compiles the editor's marked block.
    virtual void blockCompile() = 0;
    virtual void preview() = 0;
    virtual void print() = 0;
    virtual void openLogFile() = 0;
    // After a new print destination or a new main file: runs a destination
    // script and takes the destination it names.
    virtual void redirectPrintDestination() = 0;
};

}  // namespace orvo
