#pragma once
// What assistive technology sees of an action button: a push button whose
// press action clicks it, as a left release over it would, and whose
// show-menu action runs its alternative, as a right release would; each with
// its key (the mnemonic; Shift+F10 or the context-menu key).
#include <QString>

class QAccessibleInterface;
class QObject;

namespace orvo {

// The accessibility factory for ActionButton (QAccessible::installFactory).
QAccessibleInterface* accessibleActionButton(const QString& className, QObject* object);

}  // namespace orvo
