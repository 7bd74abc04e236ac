#include "actions/button_press.h"

namespace orvo {

ButtonRole roleOf(MouseButton button) {
    return button == MouseButton::Right ? ButtonRole::Alternative : ButtonRole::Action;
}

void ButtonPress::press(MouseButton button) { pressed_ = button; }

std::optional<ButtonRole> ButtonPress::release(MouseButton button, bool inside) {
    bool wasPressed = pressed_ == button;
    pressed_.reset();
    if (!wasPressed || !inside) return std::nullopt;
    return roleOf(button);
}

std::optional<ButtonRole> buttonRoleOfKey(KeyKind key) {
    switch (key) {
        case KeyKind::Activate: return ButtonRole::Action;
        case KeyKind::ContextMenu: return ButtonRole::Alternative;
        case KeyKind::Navigation:
        case KeyKind::Other: break;
    }
    return std::nullopt;
}

std::optional<ButtonRole> fieldRoleOfKey(KeyKind key) {
    switch (key) {
        case KeyKind::ContextMenu: return ButtonRole::Alternative;
        case KeyKind::Navigation: return std::nullopt;
        case KeyKind::Activate:
        case KeyKind::Other: break;
    }
    return ButtonRole::Action;
}

}  // namespace orvo
