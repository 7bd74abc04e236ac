#include "editor/editor_exchanges.h"

#include "core/text.h"
#include "core/workbench.h"
#include "editor/editor_profiles.h"
#include "platform/dde.h"
#include "platform/other_windows.h"

namespace orvo {

EditorExchanges::EditorExchanges(Workbench& workbench, EditorExchangeServices services)
    : workbench_(workbench), services_(std::move(services)) {}

bool EditorExchanges::editorRunning() const {
    const std::string& className = workbench_.editor.EditorClassName;
    return !className.empty() && services_.windows.hasWindowOfClass(className);
}

void EditorExchanges::converse(const std::string& service, const std::string& topic,
                               const std::function<void()>& steps) {
    if (!services_.dde.open(service, topic)) return;
    steps();
    services_.dde.close();
}

// A failed or timed-out query counts as "changed": saving once too often
// loses nothing.
void EditorExchanges::askChangedAndSave() {
    const EditorProfile& p = workbench_.editor;
    if (!p.DDEEditChanged.empty()) {
        std::optional<std::string> answer = services_.dde.request(p.DDEEditChanged);
        if (answer && *answer == kNothingChanged) return;
    }
    services_.dde.execute(p.DDEEditSaveCommand);
}

void EditorExchanges::save() {
    const EditorProfile& p = workbench_.editor;
    if (p.DDEEditSaveCommand.empty() || !editorRunning()) return;
    converse(p.DDEEditService, p.DDEEditTopic, [this] { askChangedAndSave(); });
}

void EditorExchanges::notifySpellChecker() {
    const Workbench& w = workbench_;
    if (!services_.windows.hasWindowOfClass(kSpellCheckerClass)) return;
    std::string file = w.CurrentFileName.empty() ? w.mainPath + w.MainFileName : w.CurrentFileName;
    converse(kSpellCheckerService, kSpellCheckerTopic, [this, &file] { services_.dde.execute(file); });
    if (services_.processPendingEvents) services_.processPendingEvents();
}

void EditorExchanges::saveBeforeJob() {
    save();
    notifySpellChecker();
}

// Without a save command there is nothing to ask for: the tick leaves the
// editor alone, as every save does.
void EditorExchanges::autoSaveTick() { saveBeforeJob(); }

void EditorExchanges::bringEditorToFront() {
    const EditorProfile& p = workbench_.editor;
    converse(p.DDEEditService, p.DDEEditTopic, [this, &p] { services_.dde.execute(p.DDEEditForeground); });
}

void EditorExchanges::saveAndQuit() {
    const EditorProfile& p = workbench_.editor;
    if (p.DDEEditSaveCommand.empty() || !editorRunning()) return;
    converse(p.DDEEditService, p.DDEEditTopic, [this, &p] {
        askChangedAndSave();
        if (!p.DDEEditQuit.empty()) services_.dde.execute(p.DDEEditQuit);
    });
}

void EditorExchanges::fetchBlockValue(const std::string& command, const std::string& mode, std::string& value) {
    const EditorProfile& p = workbench_.editor;
    if (command.empty() || !editorRunning()) return;
    converse(p.DDEBlockService, p.DDEBlockTopic, [&] {
        // Only the first line of an answer counts, as with the names the
        // editor reports to the "forall" topic: the value is one line of
        // _DUMP_.SET.
        if (isExecuteMode(mode)) services_.dde.execute(command);
        else value = firstLine(services_.dde.request(command).value_or(std::string()));
    });
}

BlockRunStart EditorExchanges::fetchBlock() {
    Workbench& w = workbench_;
    const EditorProfile& p = w.editor;
    w.block.runStarted = false;
    if (!p.DDEBlockCutCommand.empty()) {
        saveBeforeJob();
        if (editorRunning()) {
            converse(p.DDEEditService, p.DDEEditTopic, [this, &p] { services_.dde.execute(p.DDEBlockCutCommand); });
            w.block.fileName.clear();
            fetchBlockValue(p.DDEBlockFileName, p.DDEBlockFileNameMode, w.block.fileName);
        }
        w.block.lineNumber.clear();
        fetchBlockValue(p.DDEBlockLineNumber, p.DDEBlockLineNumberMode, w.block.lineNumber);
        if (editorRunning() && !p.DDEBlockPasteCommand.empty()) {
            converse(p.DDEEditService, p.DDEEditTopic, [this, &p] { services_.dde.execute(p.DDEBlockPasteCommand); });
        }
    }
    return isExecuteMode(p.DDEBlockLineNumberMode) ? BlockRunStart::WhenLineArrives : BlockRunStart::Now;
}

}  // namespace orvo
