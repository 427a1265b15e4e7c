#include "shell/ToolButton.h"

#include <QApplication>
#include <QButtonGroup>
#include <QMouseEvent>
#include <QPainterPath>
#include <QStyleOptionToolButton>
#include <QStylePainter>

#include "shell/FocusMark.h"
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
    // Once the mouse plays, the ring left where Tab stopped would only look like a second
    // pressed button.
    if (auto* focused = qobject_cast<ToolButton*>(QApplication::focusWidget())) {
        focused->keyboardFocus_ = false;
        focused->update();
    }
    if (!actsOnMouseDown_) {
        QToolButton::mousePressEvent(event);
        return;
    }
    event->accept();
    if (!isEnabled()) return;
    emit mouseDown(ToMouseButton(event->button()));
}

void ToolButton::focusInEvent(QFocusEvent* event) {
    // The window coming back keeps the ring as it was.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason)
        keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    QToolButton::focusInEvent(event);
    // Qt leaves only the checked button of an exclusive group in the Tab order, as for radio
    // buttons; each puzzle's button is a button of its own to the keys.
    if (group())
        for (QAbstractButton* member : group()->buttons()) member->setFocusPolicy(Qt::TabFocus);
}

void ToolButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The style's own focus look is the raised face of a switched-on button; the ring
    // below says it instead.
    option.state &= ~QStyle::State_HasFocus;
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    if (!hasFocus() || !keyboardFocus_) return;
    QPainterPath ring;
    ring.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);  // whole pixels: crisp at 1x
    PaintFocusMark(painter, ring, 2.0);
}

}  // namespace spindora
