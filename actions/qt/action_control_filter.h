#pragma once
// Reads the mouse and the keyboard on the main window's action buttons and
// choice fields and reports each activation with its role: the release of
// the pressed mouse button over the control, Space or Enter, the
// context-menu key or Shift+F10. Whatever else clicks a button (its
// mnemonic, the press action of assistive technology) runs its action too,
// and an action button's show-menu action its alternative. The controls'
// own context menus are off.
#include <QObject>
#include <functional>
#include <map>

#include "actions/actions_view.h"
#include "actions/button_press.h"

class QAbstractButton;
class QWidget;

namespace orvo {

class ActionButton;

class ActionControlFilter : public QObject {
public:
    using Activation = std::function<void(QWidget* control, ButtonRole role, MenuAnchor at)>;

    ActionControlFilter(QObject* parent, Activation activation);

    // A button takes Space and Enter as its left button; a field any key
    // but the navigation keys.
    void addButton(QAbstractButton* button);
    void addActionButton(ActionButton* button);
    void addField(QWidget* field) { add(field, nullptr); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        QAbstractButton* button = nullptr;  // none for a field
        ButtonPress press;
    };
    void add(QWidget* control, QAbstractButton* button);
    void activateLater(QWidget* control, ButtonRole role, MenuAnchor at);
    // For the inputs that have no mouse position: a menu opens at the
    // control's centre.
    void activateAtCentre(QWidget* control, ButtonRole role);

    Activation activation_;
    std::map<QObject*, Control> controls_;
};

}  // namespace orvo
