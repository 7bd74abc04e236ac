#pragma once
// Block compile: the preamble of the main file, the block the editor put on
// the clipboard and an end line become _DUMP_.TEX beside the main file; its
// settings go to _DUMP_.SET, and BLCKCOMP compiles and shows the block.
#include <string>
#include <vector>

#include "jobs/job_command.h"

namespace orvo {

class Clipboard;
class EditorExchanges;
class FileSystem;
class Launcher;
class MainWindowView;
class UserInteraction;
struct Workbench;

// The main window's hidden text buffer: shows the lines read when the
// marker is missing, so the user sees where the search went.
class BlockLinesView {
public:
    virtual ~BlockLinesView() = default;
    virtual void showLinesRead(const std::vector<std::string>& lines) = 0;
    virtual void removeLinesRead() = 0;
};

// A main window without that buffer: the error box alone shows the lines.
class NullBlockLinesView : public BlockLinesView {
public:
    void showLinesRead(const std::vector<std::string>&) override {}
    void removeLinesRead() override {}
};

inline constexpr int kBlockMarkerMissingMessage = 22;
inline constexpr const char* kBlockDumpFile = "_DUMP_.TEX";
inline constexpr const char* kBlockSettingsFile = "_DUMP_.SET";

struct BlockCompileServices {
    FileSystem& files;
    Clipboard& clipboard;
    Launcher& launcher;
    UserInteraction& ui;
    MainWindowView& view;
    EditorExchanges& exchanges;
    BlockLinesView& linesView;
};

// The main file's lines up to and including the first holding the marker
// (any case); `found` says whether one did.
struct Preamble {
    std::vector<std::string> lines;
    bool found = false;
};
Preamble readPreamble(const std::string& mainFileText, const std::string& blockMarker);

// The text of _DUMP_.TEX and of _DUMP_.SET, lines ending in CR LF.
std::string blockDumpText(const Preamble& preamble, const std::string& block, const std::string& endMarker);
std::string blockSettingsText(const Workbench& workbench, std::size_t startLine);

// The BLCKCOMP call: script, main file, DEVIRT or NODEVIRT, the format entry
// without its markers, which decide the capture.
JobCommand blockCompileCommand(const Workbench& workbench);

class BlockCompile {
public:
    BlockCompile(Workbench& workbench, BlockCompileServices services);

    // The Compile buttons' right button: the editor hands the block over,
    // and the block runs now or when the editor reports its line.
    void request();
    // Writes the scratch files and starts BLCKCOMP; also what the "forall"
    // topic calls when the line arrives.
    void run();

private:
    void fail(const std::string& text);

    Workbench& workbench_;
    BlockCompileServices services_;
};

}  // namespace orvo
