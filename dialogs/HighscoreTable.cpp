#include "dialogs/HighscoreTable.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace spindora {

HighscoreTable::HighscoreTable(QWidget* parent, QRect frame, QRect firstRow, int rows)
    : QWidget(parent), firstRow_(firstRow.translated(-frame.topLeft())), rows_(rows) {
    setObjectName(QStringLiteral("HighscoreTable"));
    setGeometry(frame);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void HighscoreTable::SetCurrentRow(int row) {
    row = std::clamp(row, 0, rows_ - 1);
    if (row == current_) return;
    update(RowArea(current_));
    current_ = row;
    update(RowArea(current_));
    if (hasFocus()) TellFocus();
}

QRect HighscoreTable::RowArea(int row) const {
    return firstRow_.translated(0, firstRow_.height() * row);
}

void HighscoreTable::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up: SetCurrentRow(current_ - 1); break;
    case Qt::Key_Down: SetCurrentRow(current_ + 1); break;
    case Qt::Key_Home:
    case Qt::Key_PageUp: SetCurrentRow(0); break;
    case Qt::Key_End:
    case Qt::Key_PageDown: SetCurrentRow(rows_ - 1); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void HighscoreTable::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update(RowArea(current_));
    // After the table's own focus, which the window tells as this returns.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) TellFocus();
    });
}

void HighscoreTable::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update(RowArea(current_));
}

void HighscoreTable::paintEvent(QPaintEvent*) {
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(RowArea(current_)).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

void HighscoreTable::TellFocus() {
    if (!QAccessible::isActive()) return;
    // The table's cells run row by row; a row is told by its first cell, the time.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface* cell = table ? table->child(current_ * table->childCount() / rows_) : nullptr;
    if (!cell) return;
    QAccessibleEvent focused(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}

}  // namespace spindora
