#include "actions/qt/action_control_filter.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include "actions/qt/action_button.h"

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
        // F1 asks the window for help, in a field as anywhere else.
        case Qt::Key_F1:
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

void ActionControlFilter::add(QWidget* control, QAbstractButton* button) {
    controls_[control].button = button;
    control->installEventFilter(this);
}

// The filter reads the mouse and the keys itself and keeps the button from
// clicking on them, so a click comes from the other inputs only.
void ActionControlFilter::addButton(QAbstractButton* button) {
    add(button, button);
    connect(button, &QAbstractButton::clicked, this, [this, button] { activateAtCentre(button, ButtonRole::Action); });
}

void ActionControlFilter::addActionButton(ActionButton* button) {
    addButton(button);
    connect(button, &ActionButton::alternativeRequested, this,
            [this, button] { activateAtCentre(button, ButtonRole::Alternative); });
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

void ActionControlFilter::activateAtCentre(QWidget* control, ButtonRole role) {
    activateLater(control, role, anchorAt(control->mapToGlobal(control->rect().center())));
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
            if (*button != MouseButton::Left) return role.has_value();
            // Shown up before it reads the release, the button does not click.
            if (control.button) control.button->setDown(false);
            return false;
        }
        case QEvent::FocusOut: control.press.cancel(); return false;
        case QEvent::ContextMenu: return true;  // the menu key arrives as a key press
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            KeyKind kind = keyKindOf(*key);
            // A held Space must not press the button for Qt to click on its release.
            if (key->isAutoRepeat()) return control.button && kind == KeyKind::Activate;
            std::optional<ButtonRole> role = control.button ? buttonRoleOfKey(kind) : fieldRoleOfKey(kind);
            if (!role) return false;
            activateAtCentre(widget, *role);
            return true;
        }
        default: return false;
    }
}

}  // namespace orvo
