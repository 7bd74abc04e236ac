#include "actions/qt/action_control_filter.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace orvo {
namespace {

std::optional<MouseButton> mouseButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return MouseButton::Left;
        case Qt::MiddleButton: return MouseButton::Middle;
        case Qt::RightButton: return MouseButton::Right;
        default: return std::nullopt;
    }
}

KeyKind keyKindOf(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: return KeyKind::Activate;
        case Qt::Key_Menu: return KeyKind::ContextMenu;
        case Qt::Key_F10: return key.modifiers() & Qt::ShiftModifier ? KeyKind::ContextMenu : KeyKind::Other;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta: return KeyKind::Navigation;
        default: break;
    }
    // Alt with a letter is a mnemonic of another control.
    return key.modifiers() & Qt::AltModifier ? KeyKind::Navigation : KeyKind::Other;
}

MenuAnchor anchorAt(const QPoint& global) { return {global.x(), global.y()}; }

}  // namespace

ActionControlFilter::ActionControlFilter(QObject* parent, Activation activation)
    : QObject(parent), activation_(std::move(activation)) {}

void ActionControlFilter::add(QWidget* control, bool field) {
    controls_[control].field = field;
    control->installEventFilter(this);
}

// The control finishes its own handling (a button shows itself released)
// before the action, which may open a modal window, runs.
void ActionControlFilter::activateLater(QWidget* control, ButtonRole role, MenuAnchor at) {
    QPointer<QWidget> guarded(control);
    QMetaObject::invokeMethod(
        this, [this, guarded, role, at] {
            if (guarded) activation_(guarded, role, at);
        },
        Qt::QueuedConnection);
}

bool ActionControlFilter::eventFilter(QObject* watched, QEvent* event) {
    auto found = controls_.find(watched);
    if (found == controls_.end()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    Control& control = found->second;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (std::optional<MouseButton> button = mouseButtonOf(mouse->button())) control.press.press(*button);
            return false;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            std::optional<MouseButton> button = mouseButtonOf(mouse->button());
            if (!button) return false;
            bool inside = widget->rect().contains(mouse->position().toPoint());
            std::optional<ButtonRole> role = control.press.release(*button, inside);
            if (role) activateLater(widget, *role, anchorAt(mouse->globalPosition().toPoint()));
            return role && *button != MouseButton::Left;
        }
        case QEvent::FocusOut: control.press.cancel(); return false;
        case QEvent::ContextMenu: return true;  // the menu key arrives as a key press
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->isAutoRepeat()) return false;
            KeyKind kind = keyKindOf(*key);
            std::optional<ButtonRole> role = control.field ? fieldRoleOfKey(kind) : buttonRoleOfKey(kind);
            if (!role) return false;
            activateLater(widget, *role, anchorAt(widget->mapToGlobal(widget->rect().center())));
            return true;
        }
        default: return false;
    }
}

}  // namespace orvo
