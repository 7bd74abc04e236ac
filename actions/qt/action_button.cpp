#include "actions/qt/action_button.h"

#include <QAccessible>

#include "actions/qt/accessible_action_button.h"

namespace orvo {

ActionButton::ActionButton(const QString& text, QWidget* parent) : QPushButton(parent) {
    QAccessible::installFactory(accessibleActionButton);
    // Qt may ask for the accessible interface when the text changes: set once
    // this class is built, the text finds the button's own interface.
    setText(text);
}

}  // namespace orvo
