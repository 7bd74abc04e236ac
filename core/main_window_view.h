#pragma once
// What the workbench's logic asks of the main window. The Qt window
// implements it; tests use a recording fake.
#include <string>
#include <vector>

#include "core/config_writer.h"
#include "core/language_state.h"
#include "core/pair_list.h"

namespace orvo {

class TextBindingTarget;

enum class MainPage { MainMenu, Output, Utilities, Options };

// The fields of the main window that show a choice's display text.
enum class ChoiceField { Format, SpellLanguage, Viewer, Printer, PrinterPort, BibTeXEditor, Editor, PrinterOptions };

class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    virtual void lockUpdates(bool locked) = 0;
    virtual void selectPage(MainPage page) = 0;
    virtual void setHelpContext(int context) = 0;
    virtual void showMainFile(const std::string& path) = 0;
    virtual void showCurrentFile(const std::string& path) = 0;
    virtual void showChoice(ChoiceField field, const std::string& text) = 0;
    // The printer options as the user typed them.
    virtual std::string printerOptionsText() const = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void resizeTo(int width, int height) = 0;
    virtual void setScreenFont(const std::string& family, int pointSize) = 0;
    virtual void setResizable(bool resizable) = 0;
    // Speedbar mode hides the tab pages and the Quit and Help buttons.
    virtual void setSpeedbarMode(bool speedbar, bool vertical) = 0;
    virtual void setStayOnTop(bool stayOnTop) = 0;
    virtual bool stayOnTop() const = 0;
    virtual WindowGeometry geometry() const = 0;

    // The screen options' language choice: names shown, `selected` or none.
    virtual void showLanguageChoice(const LanguageChoice& choice) = 0;
    // The position selected in the language choice, or -1.
    virtual int selectedLanguage() const = 0;
    // The utilities list: display names shown, values kept.
    virtual void showUtilities(const std::vector<ListPair>& utilities) = 0;
    // The window's translated texts.
    virtual TextBindingTarget& textTarget() = 0;
};

}  // namespace orvo
