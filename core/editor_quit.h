#pragma once
// What shut-down asks of the editor and the spell-checker once the settings
// are saved. Conversations fail quietly: a missing editor never stops the
// shut-down.
namespace orvo {

class EditorQuit {
public:
    virtual ~EditorQuit() = default;
    virtual void saveAndQuit() = 0;
    virtual void notifySpellChecker() = 0;
};

class NullEditorQuit : public EditorQuit {
public:
    void saveAndQuit() override {}
    void notifySpellChecker() override {}
};

}  // namespace orvo
