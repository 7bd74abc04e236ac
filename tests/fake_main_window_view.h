#pragma once
// A main window for logic tests: records every call in order and keeps what
// a real window would show. Moving, resizing and the speedbar mode change the
// geometry it reports, as they would on screen; tests may also set it.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/main_window_view.h"
#include "tests/fake_text_target.h"

namespace orvo {

class FakeMainWindowView : public MainWindowView {
public:
    // One line per call, e.g. "moveTo 0 0", "showMainFile /docs/paper.tex".
    std::vector<std::string> calls;

    WindowGeometry window {0, 0, 481, 240, false};
    bool onTop = false;
    bool locked = false;
    std::string mainFile;
    std::string currentFile;
    std::map<ChoiceField, std::string> choices;
    LanguageChoice languageChoice;
    int selected = -1;  // the user's selection in the language choice
    std::vector<ListPair> utilities;
    FakeTextTarget texts;

    void lockUpdates(bool lock) override {
        locked = lock;
        record("lockUpdates " + flag(lock));
    }
    void selectPage(MainPage page) override { record("selectPage " + std::to_string(int(page))); }
    void setHelpContext(int context) override { record("setHelpContext " + std::to_string(context)); }
    void showMainFile(const std::string& path) override {
        mainFile = path;
        record("showMainFile " + path);
    }
    void showCurrentFile(const std::string& path) override {
        currentFile = path;
        record("showCurrentFile " + path);
    }
    void showChoice(ChoiceField field, const std::string& text) override {
        choices[field] = text;
        record("showChoice " + std::to_string(int(field)) + " " + text);
    }
    std::string printerOptionsText() const override {
        auto it = choices.find(ChoiceField::PrinterOptions);
        return it == choices.end() ? std::string() : it->second;
    }
    void moveTo(int x, int y) override {
        window.x = x;
        window.y = y;
        record("moveTo " + std::to_string(x) + " " + std::to_string(y));
    }
    void resizeTo(int width, int height) override {
        window.width = width;
        window.height = height;
        record("resizeTo " + std::to_string(width) + " " + std::to_string(height));
    }
    void setScreenFont(const std::string& family, int pointSize) override {
        record("setScreenFont " + family + " " + std::to_string(pointSize));
    }
    void setResizable(bool resizable) override { record("setResizable " + flag(resizable)); }
    void setSpeedbarMode(bool speedbar, bool vertical) override {
        window.tabPagesHidden = speedbar;
        record("setSpeedbarMode " + flag(speedbar) + " " + flag(vertical));
    }
    void setStayOnTop(bool stayOnTop) override {
        onTop = stayOnTop;
        record("setStayOnTop " + flag(stayOnTop));
    }
    bool stayOnTop() const override { return onTop; }
    WindowGeometry geometry() const override { return window; }
    void showLanguageChoice(const LanguageChoice& choice) override {
        languageChoice = choice;
        selected = choice.selected;
        record("showLanguageChoice " + std::to_string(choice.entries.size()) + " " + std::to_string(choice.selected));
    }
    int selectedLanguage() const override { return selected; }
    void showUtilities(const std::vector<ListPair>& list) override {
        utilities = list;
        record("showUtilities " + std::to_string(list.size()));
    }
    TextBindingTarget& textTarget() override { return texts; }

    // How many recorded calls start with `prefix`.
    int count(const std::string& prefix) const {
        return int(std::count_if(calls.begin(), calls.end(),
                                 [&](const std::string& call) { return call.rfind(prefix, 0) == 0; }));
    }
    // The last recorded call starting with `prefix`, or empty.
    std::string last(const std::string& prefix) const {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
            if (it->rfind(prefix, 0) == 0) return *it;
        }
        return {};
    }

private:
    static std::string flag(bool value) { return value ? "1" : "0"; }
    void record(std::string call) { calls.push_back(std::move(call)); }
};

}  // namespace orvo
