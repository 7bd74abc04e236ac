#pragma once
// Reads the mouse and the keyboard on the main window's action buttons and
// choice fields and reports each activation with its role: the release of
// the pressed mouse button over the control, Space or Enter, the
// context-menu key or Shift+F10. The controls' own context menus are off.
#include <QObject>
#include <functional>
#include <map>

#include "actions/actions_view.h"
#include "actions/button_press.h"

class QWidget;

namespace orvo {

class ActionControlFilter : public QObject {
public:
    using Activation = std::function<void(QWidget* control, ButtonRole role, MenuAnchor at)>;

    ActionControlFilter(QObject* parent, Activation activation);

    // A button takes Space and Enter as its left button; a field any key
    // but the navigation keys.
    void addButton(QWidget* button) { add(button, false); }
    void addField(QWidget* field) { add(field, true); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        bool field = false;
        ButtonPress press;
    };
    void add(QWidget* control, bool field);
    void activateLater(QWidget* control, ButtonRole role, MenuAnchor at);

    Activation activation_;
    std::map<QObject*, Control> controls_;
};

}  // namespace orvo
