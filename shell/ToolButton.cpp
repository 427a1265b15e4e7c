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
    MouseButton button = MouseButton::Left;
    if (event->button() == Qt::RightButton) button = MouseButton::Right;
    else if (event->button() == Qt::MiddleButton) button = MouseButton::Middle;
    if (isEnabled()) emit mouseDown(button);
    QToolButton::mousePressEvent(event);
}

}  // namespace spindora
