#include "actions/qt/action_button.h"

#include <QAccessible>

#include "actions/qt/accessible_action_button.h"

namespace orvo {

ActionButton::ActionButton(const QString& text, QWidget* parent) : QPushButton(parent) {
    QAccessible::installFactory(accessibleActionButton);
    // The text is set once this class is built: an accessibility query that
    // setting it causes already finds the button's own interface.
    setText(text);
}

}  // namespace orvo
