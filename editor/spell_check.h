#pragma once
// The Spell-check action: the editor saves, a running spell-checker hears of
// the file, the document's parameters are written, and the spell-checker
// starts on the current file (or the main file) from the `SpellChecker`
// template.
namespace orvo {

class EditorExchanges;
class FileSystem;
class Launcher;
class MainWindowView;
struct Workbench;

struct SpellCheckServices {
    EditorExchanges& exchanges;
    Launcher& launcher;
    FileSystem& files;
    MainWindowView& view;
};

void spellCheck(Workbench& workbench, const SpellCheckServices& services);

}  // namespace orvo
