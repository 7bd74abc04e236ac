// The files of an interface language: a factor list (LL_SCRN.LST), the
// headers of the UI-string files the language choice is built from, and the
// list files a language code resolves to. The input is the factor list,
// then after NULs three UI-string files and the language code.
// - A factor list sets only usable factors.
// - The choice offers each readable UI-string file once, with a name and a
//   character set fit for a control, and selects one of them.
// - Every list file resolved lies in the list or spelling folder.
#include <string>
#include <vector>

#include "core/language_files.h"
#include "core/text.h"
#include "core/text_decoding.h"
#include "core/window_scale.h"
#include "core/workbench.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    using fuzz::check;
    std::vector<std::string_view> parts = fuzz::splitParts(fuzz::asText(data, size), 5);

    std::array<ScreenFactor, kDialogCount> factors {};
    for (ScreenFactor& factor : factors) factor = {1.0, 1.0};
    readScreenFactorLines(splitTextLines(parts[0]), factors);
    for (const ScreenFactor& factor : factors) {
        check(isUsableScreenFactor(factor.x) && isUsableScreenFactor(factor.y), "a factor list sets usable factors");
    }

    const std::string listDir = "/opt/orvo/";
    FakeFileSystem files;
    files.addFile(listDir + "US.SCR", fuzz::part(parts, 1));
    files.addFile(listDir + "de.scr", fuzz::part(parts, 2));
    files.addFile(listDir + "Cz.Scr", fuzz::part(parts, 3));
    files.addFile(listDir + "US_FRM.LST");
    files.addFile(listDir + "de_frm.lst");
    files.addFile(listDir + "US_SPELL.LST");
    files.addDirectory(listDir + "NOT.SCR");
    const std::string code = fuzz::part(parts, 4);

    LanguageChoice choice = buildLanguageChoice(files, listDir, code);
    check(choice.entries.size() == 3, "every UI-string file is offered once");
    check(choice.selected >= 0 && choice.selected < 3, "one language is selected");
    for (const LanguageEntry& entry : choice.entries) {
        check(entry.code == toUpper(entry.code) && entry.code.find('.') == std::string::npos, "a code is a base name",
              entry.code);
        for (const std::string* text : {&entry.name, &entry.charsetName}) {
            check(isValidUtf8(*text) && *text == trim(*text), "a header text fits a control", *text);
        }
    }

    Workbench w;
    w.OrvoSelectionsOptionsDir = listDir;
    w.UserSpellDirectory = "/home/u/spell/";
    LanguageFiles resolved;
    resolveLanguageFiles(files, w, code, true, resolved);
    for (const std::string* path : {&resolved.formats, &resolved.printers, &resolved.destinations, &resolved.viewers,
                                    &resolved.bibTeXEditors, &resolved.utilities, &resolved.projects}) {
        check(startsWith(*path, listDir), "a list file lies in the list folder", *path);
    }
    check(startsWith(resolved.spelling, listDir) || startsWith(resolved.spelling, w.UserSpellDirectory),
          "the spelling list lies in a spelling folder", resolved.spelling);
    chooseHelpFiles(files, listDir, code);
    return 0;
}
