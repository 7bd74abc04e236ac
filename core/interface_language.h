#pragma once
// The interface language of the main window: the texts start-up takes from
// US.SCR, the language files of the current language, the language choice,
// and the language application that re-translates the main window, its
// message texts, its display texts and its utilities list.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvo {

class ActiveEditorProfile;
class FileSystem;
class MainWindowView;
class UserInteraction;
class WindowTexts;
struct Workbench;

// Message entries used here.
inline constexpr int kUtilitiesListMissingMessage = 13;
inline constexpr int kLanguageFileUnreadableMessage = 8;
inline constexpr int kFirstMessageLine = 110;

enum class LanguageApplication { NothingSelected, Applied, Unreadable };

class InterfaceLanguage {
public:
    // The editor profile follows every language applied.
    InterfaceLanguage(Workbench& workbench, MainWindowView& view, FileSystem& files, UserInteraction& ui,
                      ActiveEditorProfile& editorProfile);
    ~InterfaceLanguage();

    // UiStrings from the program folder's US.SCR (empty when unreadable) and
    // the message texts from its lines 110 to 162.
    void loadStartupTexts();
    // The pair lists of `OrvoLanguage`; the project list only at start-up.
    void resolveFiles(bool withProjects);
    // Fills the utilities list from its list file, or reports the missing file.
    void fillUtilities();
    // The screen options' language choice from the UI-string files, with
    // `OrvoLanguage` selected; CharsetName follows the selected language.
    void buildChoice();
    void chooseHelpFiles();

    // The language part of the screen options' Apply: applies the selected
    // language when it differs from the applied one.
    void applyIfChanged();
    // Applies the language selected in the choice. A UI-string file that
    // cannot be read is reported and changes nothing.
    LanguageApplication apply();

    // Runs after every application. Windows that live as long as the main
    // window (the console) take the new texts here; created before the first
    // application at start-up, they would otherwise keep the US texts.
    void onApplied(std::function<void()> callback) { appliedCallbacks_.push_back(std::move(callback)); }

private:
    void refreshDisplayTexts();
    void reportError(const std::string& text);
    void reloadEditorProfile();

    Workbench& workbench_;
    MainWindowView& view_;
    FileSystem& files_;
    UserInteraction& ui_;
    ActiveEditorProfile& editorProfile_;
    std::unique_ptr<WindowTexts> mainTexts_;
    std::vector<std::function<void()>> appliedCallbacks_;
};

}  // namespace orvo
