#include "shell/ToolButton.h"

#include <QMouseEvent>

#include "shell/MouseButtons.h"

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
    emit mouseDown(ToMouseButton(event->button()));
}

}  // namespace spindora
