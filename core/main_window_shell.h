#pragma once
// The main window's shell: its speedbar layouts, their hints, its place on
// the screen and its task-bar button. Start-up and the main window's actions
// call it; the shell implements it.
namespace orvo {

class MainWindowShell {
public:
    virtual ~MainWindowShell() = default;
    // The screen options' layout, applied at the end of the program entry.
    virtual void applyScreenLayout() = 0;
    // The speedbar's hints from the texts of the interface language.
    virtual void buildHints() = 0;
    // The tabbed window is up again after a dialog or chooser: its layout anew.
    virtual void reapplyLayout() = 0;
    // Before a job that may cover the window: where the window stands now.
    virtual void recordWindowPlace() = 0;
    // After a job is started: the task-bar button as the options ask.
    virtual void hideTaskBarButton() = 0;
};

// The tabbed window alone, as it was laid out at creation.
class NullMainWindowShell : public MainWindowShell {
public:
    void applyScreenLayout() override {}
    void buildHints() override {}
    void reapplyLayout() override {}
    void recordWindowPlace() override {}
    void hideTaskBarButton() override {}
};

}  // namespace orvo
