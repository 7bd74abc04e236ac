// The editor profiles in ConfigFile: the input is the file, then after NULs
// the profile's base name ("Editor:Emacs"), the language and a byte picking
// the fallback set.
// - The active section is the base's for the language or for US; the
//   editors listed are names without "_", each once.
// - A profile loaded, written back and loaded again is the same profile
//   (line breaks in its values made blanks).
#include <algorithm>
#include <string>
#include <vector>

#include "core/config_keys.h"
#include "core/ini_document.h"
#include "core/text.h"
#include "core/workbench.h"
#include "editor/editor_profiles.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_file_system.h"

namespace orvo {
namespace {

using fuzz::check;

void checkSame(const std::string& loaded, const std::string& written, const char* what) {
    check(loaded == withoutLineBreaks(written), what, loaded);
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 4);
    const IniDocument config(parts[0]);
    std::string base = profileBase(parts.size() > 1 ? fuzz::part(parts, 1) : std::string(kDefaultEditorSection));
    std::string language = parts.size() > 2 ? fuzz::part(parts, 2) : std::string("US");
    std::string choice = fuzz::part(parts, 3);
    ProfileFallback fallback = !choice.empty() && (choice[0] & 1) ? ProfileFallback::Choice : ProfileFallback::Startup;

    std::vector<std::string> editors = listEditors(config);
    for (const std::string& name : editors) {
        check(name.find('_') == std::string::npos, "an editor's name stops at \"_\"", name);
        check(std::count(editors.begin(), editors.end(), name) == 1, "each editor is listed once", name);
    }
    for (const std::string& section : config.sectionNames()) {
        editorNameOf(section);
        check(profileBase(section).find('_') == std::string::npos, "a base stops at \"_\"", section);
    }

    FakeFileSystem files;
    files.addFile("/usr/bin/emacs");
    Workbench w;
    w.Web2cBINDir = "/usr/bin/";
    w.OrvoBTMDir = "/opt/orvo/";
    w.activeEditorSection = resolveActiveSection(config, base, language);
    check(w.activeEditorSection == base + "_" + language || w.activeEditorSection == base + "_US",
          "the active section is the language's or the US one", w.activeEditorSection);
    loadEditorProfile(w, config, fallback, files);

    IniDocument written(config.text());
    writeEditorProfile(w, written);
    Workbench again = w;
    loadEditorProfile(again, written, fallback, files);
    checkSame(again.editor.Editor, w.editor.Editor, "Editor reads back");
    checkSame(again.editor.EditorClassName, w.editor.EditorClassName, "EditorClassName reads back");
    checkSame(again.editor.DDEEditService, w.editor.DDEEditService, "DDEEditService reads back");
    checkSame(again.editor.DDEBlockLineNumberMode, w.editor.DDEBlockLineNumberMode, "a mode reads back");
    checkSame(again.editor.StartEditorWithProgram, w.editor.StartEditorWithProgram, "the last key reads back");
    checkSame(again.TeXEdit, w.TeXEdit, "TeXEdit reads back");
    checkSame(again.KillEditorProcesses, w.KillEditorProcesses, "KillEditorProcesses reads back");
    check(again.editor.AutoSave == w.editor.AutoSave, "AutoSave reads back");
    return 0;
}
