#include "editor/known_editors.h"

#include "core/path_names.h"
#include "core/workbench.h"
#include "core/command_words.h"
#include "platform/file_system.h"

namespace orvo {
namespace {

constexpr std::string_view kEmacs = "Emacs";

// Emacs reads the adapter when the workbench starts it; the TeX programs
// reach a running Emacs through emacsclient, or start one.
ProfileValues emacsProfile(const std::string& program, const Workbench& w) {
    ProfileValues v;
    EditorProfile& p = v.profile;
    p.Editor = quoteWordIfNeeded(program) + " -l " + quoteWordIfNeeded(w.programDir + std::string(kEmacsAdapterName));
    p.EditorClassName = std::string(kEmacs);
    v.TeXEdit = folderOf(program) + "emacsclient --alternate-editor=emacs +%d \"%s\"";
    p.DDEEditService = p.DDEBlockService = std::string(kEmacs);
    p.DDEEditTopic = p.DDEBlockTopic = "Editor";
    p.DDEEditQuit = "SaveAndQuit";
    p.DDEEditSaveCommand = "SaveAll";
    p.DDEEditChanged = "Changed";
    p.DDEEditForeground = "Raise";
    p.DDEBlockFileName = "FileName";
    p.DDEBlockLineNumber = "LineNumber";
    p.DDEBlockCutCommand = "CutRegion";
    p.DDEBlockPasteCommand = "PasteRegion";
    return v;
}

}  // namespace

const std::vector<KnownEditor>& knownEditors() {
    static const std::vector<KnownEditor> editors {
        {kEmacs, "emacs", "Emacs", ""},
        {"gedit", "gedit", "Gedit", "+%d \"%s\""},
        {"Kate", "kate", "kate", "--line %d \"%s\""},
        {"Geany", "geany", "Geany", "--line=%d \"%s\""},
        {"gVim", "gvim", "Gvim", "+%d \"%s\""},
        {"Pluma", "pluma", "Pluma", "+%d \"%s\""},
        {"Xed", "xed", "Xed", "+%d \"%s\""},
        {"Mousepad", "mousepad", "Mousepad", "--line=%d \"%s\""},
        {"VSCode", "code", "Code", "--goto \"%s:%d\""},
    };
    return editors;
}

const KnownEditor* findKnownEditor(std::string_view name) {
    for (const KnownEditor& editor : knownEditors()) {
        if (editor.name == name) return &editor;
    }
    return nullptr;
}

ProfileValues knownEditorProfile(const KnownEditor& editor, const std::string& program, const Workbench& w,
                                 const FileSystem& files) {
    ProfileValues v;
    if (editor.name == kEmacs) {
        v = emacsProfile(program, w);
    } else {
        EditorProfile& p = v.profile;
        p.Editor = quoteWordIfNeeded(program);
        p.EditorClassName = std::string(editor.className);
        v.TeXEdit = p.Editor + " " + std::string(editor.lineArguments);
        // No conversation: every exchange finds no server and is skipped.
        p.DDEEditService = p.DDEBlockService = std::string(editor.name);
        p.DDEEditTopic = p.DDEBlockTopic = "Editor";
    }
    EditorProfile& p = v.profile;
    p.LogFileViewer = p.Editor;
    p.AutoSave = 10;
    p.DDEBlockFileNameMode = p.DDEBlockLineNumberMode = "Request";
    if (!w.LaTeXMac.empty() && files.fileExists(w.LaTeXMac)) p.StartEditorWithProgram = w.LaTeXMac;
    return v;
}

}  // namespace orvo
