#include "core/qt/qt_text_target.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace orvo {
namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

// The tab widget a page belongs to, or nullptr.
QTabWidget* tabWidgetOf(QObject* page) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parent());
    return stack ? qobject_cast<QTabWidget*>(stack->parent()) : nullptr;
}

QRadioButton* radioItem(QObject* group, int item) {
    QList<QRadioButton*> buttons = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    return item >= 0 && item < buttons.size() ? buttons[item] : nullptr;
}

// The property that holds a caption or a text on this kind of control.
const char* textProperty(QObject* control, UiTextKind kind) {
    if (kind == UiTextKind::Hint) return "toolTip";
    if (kind == UiTextKind::Text && control->property("plainText").isValid()) return "plainText";
    if (control->property("title").isValid()) return "title";  // group boxes, menus
    if (control->property("text").isValid()) return "text";    // buttons, labels, actions
    return "windowTitle";
}

// A window parented to this one (the console window, a dialog) has controls
// of the same names and binds its own texts; a menu, a popup, belongs here.
bool insideOtherWindow(const QObject* control, const QWidget* window) {
    for (const QObject* o = control; o && o != window; o = o->parent()) {
        auto* widget = qobject_cast<const QWidget*>(o);
        if (widget && widget->isWindow() && widget->windowType() != Qt::Popup) return true;
    }
    return false;
}

}  // namespace

QObject* QtTextTarget::control(const std::string& name) const {
    QString objectName = qt(name);
    if (window_->objectName() == objectName) return window_;
    for (QObject* found : window_->findChildren<QObject*>(objectName))
        if (!insideOtherWindow(found, window_)) return found;
    return nullptr;
}

void QtTextTarget::suspendRedraw(bool suspended) { window_->setUpdatesEnabled(!suspended); }

std::optional<std::string> QtTextTarget::controlText(const TextBinding& binding) const {
    QObject* target = control(binding.control);
    if (!target) return std::nullopt;
    if (binding.kind == UiTextKind::Item) {
        if (auto* combo = qobject_cast<QComboBox*>(target)) {
            if (binding.item < combo->count()) return combo->itemText(binding.item).toStdString();
        } else if (auto* list = qobject_cast<QListWidget*>(target)) {
            if (QListWidgetItem* item = list->item(binding.item)) return item->text().toStdString();
        } else if (auto* tabs = qobject_cast<QTabWidget*>(target)) {
            if (binding.item < tabs->count()) return tabs->tabText(binding.item).toStdString();
        } else if (QRadioButton* radio = radioItem(target, binding.item)) {
            return radio->text().toStdString();
        }
        return std::nullopt;
    }
    if (binding.kind == UiTextKind::Caption && target != window_) {
        if (QTabWidget* tabs = tabWidgetOf(target)) return tabs->tabText(tabs->indexOf(static_cast<QWidget*>(target))).toStdString();
    }
    if (target == window_ && binding.kind == UiTextKind::Caption) return window_->windowTitle().toStdString();
    return target->property(textProperty(target, binding.kind)).toString().toStdString();
}

void QtTextTarget::setControlText(const TextBinding& binding, const std::string& text) {
    QObject* target = control(binding.control);
    if (!target) return;
    if (binding.kind == UiTextKind::Item) {
        if (auto* combo = qobject_cast<QComboBox*>(target)) {
            if (binding.item < combo->count()) combo->setItemText(binding.item, qt(text));
        } else if (auto* list = qobject_cast<QListWidget*>(target)) {
            if (QListWidgetItem* item = list->item(binding.item)) item->setText(qt(text));
        } else if (auto* tabs = qobject_cast<QTabWidget*>(target)) {
            if (binding.item < tabs->count()) tabs->setTabText(binding.item, qt(text));
        } else if (QRadioButton* radio = radioItem(target, binding.item)) {
            radio->setText(qt(text));
        }
        return;
    }
    if (binding.kind == UiTextKind::Caption && target != window_) {
        if (QTabWidget* tabs = tabWidgetOf(target)) {
            tabs->setTabText(tabs->indexOf(static_cast<QWidget*>(target)), qt(text));
            return;
        }
    }
    if (target == window_ && binding.kind == UiTextKind::Caption) {
        window_->setWindowTitle(qt(text));
        return;
    }
    target->setProperty(textProperty(target, binding.kind), qt(text));
}

void QtTextTarget::setCharset(int charset) { window_->setProperty("orvoCharset", charset); }

std::vector<std::string> applyCurrentTexts(QWidget* window, const std::vector<std::string>& uiStrings,
                                           const std::string& charsetName) {
    QtTextTarget target(window);
    WindowTexts texts(window->objectName().toStdString(), target);
    texts.apply(uiStrings, charsetName);
    return target.messages();
}

}  // namespace orvo
