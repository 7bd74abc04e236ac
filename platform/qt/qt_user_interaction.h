#pragma once
#include <functional>

#include "platform/user_interaction.h"

class QWidget;

namespace orvo {

// Modal message boxes and file dialogs. While one is shown the main window gives up its
// stay-on-top style (through `aroundModal`), so the box is never hidden.
class QtUserInteraction : public UserInteraction {
public:
    // Called with true before a box opens and false after it closed.
    void setModalHook(std::function<void(bool)> hook) { aroundModal_ = std::move(hook); }
    void setMainWindow(QWidget* window) { mainWindow_ = window; }
    // Once the workbench is ending, boxes are answered as if cancelled
    // without being shown: the shut-down never waits for a user.
    void setEnding() { ending_ = true; }
    MessageAnswer showMessage(const Message& message) override;
    // "orvo: TEXT" on standard error.
    void logFailure(const std::string& text) override;
    // The dialog of Qt itself (not the desktop's), so it looks and behaves
    // alike everywhere and can be driven in tests.
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;

private:
    std::function<void(bool)> aroundModal_;
    QWidget* mainWindow_ = nullptr;
    bool ending_ = false;
};

}  // namespace orvo
