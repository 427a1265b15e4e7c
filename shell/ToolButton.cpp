#include "shell/ToolButton.h"

#include <QMouseEvent>

#include "shell/MouseButtons.h"

namespace spindora {

ToolButton::ToolButton(QWidget* parent, const QString& name, QRect geometry)
    : QToolButton(parent) {
    setObjectName(name);
    setAutoRaise(true);
    // Tab reaches the tool bar; a click leaves the keys with the board.
    setFocusPolicy(Qt::TabFocus);
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
