#include "shell/ToolButton.h"

#include <QMouseEvent>

namespace spindora {

ToolButton::ToolButton(QWidget* parent, const QString& name, QRect geometry)
    : QToolButton(parent) {
    setObjectName(name);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(geometry);
    setIconSize(QSize(geometry.width() - 4, geometry.height() - 4));
}

void ToolButton::mousePressEvent(QMouseEvent* event) {
    if (!actsOnMouseDown_) {
        QToolButton::mousePressEvent(event);
        return;
    }
    event->accept();
    if (!isEnabled()) return;
    MouseButton button = MouseButton::Left;
    if (event->button() == Qt::RightButton) button = MouseButton::Right;
    else if (event->button() == Qt::MiddleButton) button = MouseButton::Middle;
    emit mouseDown(button);
}

}  // namespace spindora
