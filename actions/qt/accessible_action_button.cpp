#include "actions/qt/accessible_action_button.h"

#include <QAccessibleWidget>
#include <QKeySequence>

#include "actions/qt/action_button.h"

namespace orvo {
namespace {

class AccessibleActionButton : public QAccessibleWidget {
public:
    explicit AccessibleActionButton(ActionButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Accelerator) return button()->shortcut().toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) names << pressAction() << showMenuAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction() && action != showMenuAction()) return QAccessibleWidget::doAction(action);
        if (!widget()->isEnabled()) return;
        if (action == pressAction()) button()->click();
        else button()->requestAlternative();
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {button()->shortcut().toString()};
        if (action == showMenuAction())
            return {QKeySequence(Qt::SHIFT | Qt::Key_F10).toString(), QKeySequence(Qt::Key_Menu).toString()};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    ActionButton* button() const { return static_cast<ActionButton*>(widget()); }
};

}  // namespace

QAccessibleInterface* accessibleActionButton(const QString& className, QObject* object) {
    // Asked for every class of every object: only the button's own class is ours.
    if (className != QLatin1String(ActionButton::staticMetaObject.className())) return nullptr;
    return new AccessibleActionButton(static_cast<ActionButton*>(object));
}

}  // namespace orvo
