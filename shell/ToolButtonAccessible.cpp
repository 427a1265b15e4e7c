#include "shell/ToolButtonAccessible.h"

namespace spindora {

ToolButtonAccessible::ToolButtonAccessible(QAbstractButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

QAccessible::Role ToolButtonAccessible::role() const {
    return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State ToolButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    if (button()->isCheckable()) {
        state.checkable = true;
        state.checked = button()->isChecked() && button()->isEnabled();
    }
    return state;
}

QStringList ToolButtonAccessible::actionNames() const {
    QStringList names;
    if (button()->isEnabled()) names << (button()->isCheckable() ? toggleAction() : pressAction());
    return names + QAccessibleWidget::actionNames();
}

void ToolButtonAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction() && actionName != toggleAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // The screen reader waits for its answer before it speaks again, and many of these
    // buttons open a modal window: click once the answer is on its way.
    QMetaObject::invokeMethod(button(), &QAbstractButton::click, Qt::QueuedConnection);
}

void TellToggleState(QAbstractButton& button) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(&button, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace spindora
