#pragma once
// How the main window's action buttons and choice fields read the mouse and
// the keyboard. A button acts when the mouse button that was pressed on it is
// released over it; the left and middle buttons run the action, the right
// button its alternative. Space and Enter stand for the left button, the
// context-menu key and Shift+F10 for the right one.
#include <optional>

namespace orvo {

enum class MouseButton { Left, Middle, Right };
enum class ButtonRole { Action, Alternative };

// Keys as the buttons and fields tell them apart.
enum class KeyKind {
    Activate,     // Space, Return, Enter
    ContextMenu,  // the context-menu key, Shift+F10
    Navigation,   // Tab, Backtab, Escape, F1, a modifier alone: never an action
    Other,
};

ButtonRole roleOf(MouseButton button);

class ButtonPress {
public:
    void press(MouseButton button);
    // The role to run: only for the button that was pressed, released over
    // the control. Any release ends the press.
    std::optional<ButtonRole> release(MouseButton button, bool inside);
    // The control lost the focus (or the press was taken over): no action.
    void cancel() { pressed_.reset(); }

private:
    std::optional<MouseButton> pressed_;
};

std::optional<ButtonRole> buttonRoleOfKey(KeyKind key);
// A choice field opens its chooser on any key but the navigation keys.
std::optional<ButtonRole> fieldRoleOfKey(KeyKind key);

}  // namespace orvo
