#pragma once
// The services the editor's logic works on, faked, for the tests of the
// parts that start programs and talk to the editor; and two profiles in the
// styles editors come in.
#include <string>

#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "jobs/launcher.h"
#include "platform/fake/fake_dde.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_process_launcher.h"
#include "platform/fake/fake_user_interaction.h"

namespace orvo::test {

struct EditorRig {
    Workbench w;
    FakeProcessLauncher processes;
    FakeOtherWindows windows;
    FakeFileSystem files;
    FakeUserInteraction ui;
    FakeDdeClient dde;
    Launcher launcher {w, {processes, windows, files, ui}};
    EditorExchanges exchanges {w, {dde, windows, {}}};

    EditorRig() {
        w.mainPath = "/docs/";
        w.MainFileName = "paper.tex";
        files.addDirectory("/docs");
    }
};

// An editor that answers requests for the change query and the block.
inline void useRequestProfile(EditorProfile& p, const std::string& service, const std::string& topic) {
    p.EditorClassName = "MedWindow";
    p.DDEEditService = p.DDEBlockService = service;
    p.DDEEditTopic = p.DDEBlockTopic = topic;
    p.DDEEditQuit = "FileSaveAndExit()";
    p.DDEEditSaveCommand = "FileSaveAll()";
    p.DDEEditChanged = "FileChanged";
    p.DDEEditForeground = "AppWinActivate()";
    p.DDEBlockFileNameMode = p.DDEBlockLineNumberMode = "Request";
    p.DDEBlockFileName = "ReqFileName";
    p.DDEBlockLineNumber = "ReqLineNumber";
    p.DDEBlockCutCommand = "EditCutToClipbrd()";
    p.DDEBlockPasteCommand = "EditPasteClipbrdLine()";
}

// An editor that reports the block's file and line to the workbench's own
// topic, and has no change query.
inline void useExecuteProfile(EditorProfile& p, const std::string& service, const std::string& topic) {
    p.EditorClassName = "TApplication";
    p.DDEEditService = p.DDEBlockService = service;
    p.DDEEditTopic = p.DDEBlockTopic = topic;
    p.DDEEditQuit = "[CMD(\"Exit\")]";
    p.DDEEditSaveCommand = "[CMD(\"Save All\")]";
    p.DDEEditChanged.clear();
    p.DDEBlockFileNameMode = p.DDEBlockLineNumberMode = "Execute";
    p.DDEBlockFileName = "DDEOpen(\"Orvo\",\"\",\"forall\");DDEExe(\"%%FILE:%f\");DDEClose";
    p.DDEBlockLineNumber = "DDEOpen(\"Orvo\",\"\",\"forall\");DDEExe(\"%%LINE:%l\");DDEClose";
    p.DDEBlockCutCommand = "[CMD(\"Cut\")]";
    p.DDEBlockPasteCommand = "[CMD(\"Paste\")]";
}

}  // namespace orvo::test
