#pragma once
// The conversations with the editor and the spell-checker: saving before a
// job, the automatic save, bringing the editor to the front, saving and
// quitting when the workbench ends, and fetching the marked block for a block
// compile. Every exchange opens a conversation of its own and closes it;
// none waits for the editor to finish what it was told. An editor that is
// not running, or does not answer, is skipped without a word.
#include <functional>
#include <string>

#include "core/editor_quit.h"

namespace orvo {

class DdeClient;
class OtherWindows;
struct Workbench;

// The spell-checker: its window class and where it listens.
inline constexpr const char* kSpellCheckerClass = "TForm22";
inline constexpr const char* kSpellCheckerService = "OrvoSpell";
inline constexpr const char* kSpellCheckerTopic = "forspell";
// The change query's answer that means "nothing to save" (exact case).
inline constexpr const char* kNothingChanged = "No";

struct EditorExchangeServices {
    DdeClient& dde;
    OtherWindows& windows;
    // Lets the user interface handle its pending events once; nothing in tests.
    std::function<void()> processPendingEvents;
};

// When the block run of a block compile request starts.
enum class BlockRunStart { Now, WhenLineArrives };

class EditorExchanges : public EditorQuit {
public:
    EditorExchanges(Workbench& workbench, EditorExchangeServices services);

    // A top-level window of the profile's `EditorClassName` exists.
    bool editorRunning() const;

    // The save exchange: the change query (when the profile names one) and,
    // unless the answer is exactly "No", the save command.
    void save();
    // Tells a running spell-checker which file is in work.
    void notifySpellChecker() override;
    // What every job on the user's files does first: save, then notify.
    void saveBeforeJob();
    // A tick of the automatic save timer.
    void autoSaveTick();
    // Brings the editor to the front after it was started.
    void bringEditorToFront();
    // When the workbench quits: save, then the profile's quit command.
    void saveAndQuit() override;
    // The block fetch of a block compile request: cut the marked block to
    // the clipboard, learn its file and line, paste it back. Says whether the
    // block run starts now or when the editor's line macro arrives.
    BlockRunStart fetchBlock();

private:
    void askChangedAndSave();
    // Opens the conversation, runs `steps` when connected, closes.
    void converse(const std::string& service, const std::string& topic, const std::function<void()>& steps);
    // A file name or line number by request, or the editor's own report.
    void fetchBlockValue(const std::string& command, const std::string& mode, std::string& value);

    Workbench& workbench_;
    EditorExchangeServices services_;
};

}  // namespace orvo
