#include "shell/WindowPlacement.h"

#include <QStringList>

namespace spindora {

QString FormatPlacement(const QRect& frame, int showState) {
    return QStringLiteral("%1,0,%2,%3,%4,%5,%6")
        .arg(kPlacementMark)
        .arg(showState)
        .arg(frame.left())
        .arg(frame.top())
        .arg(frame.left() + frame.width())
        .arg(frame.top() + frame.height());
}

std::optional<QPoint> ParsePlacement(const QString& text) {
    const QStringList items = text.split(QLatin1Char(','));
    if (items.size() != 7 || items[0] != QString::number(kPlacementMark)) return std::nullopt;
    int values[7];
    for (int i = 0; i < 7; ++i) {
        bool ok = false;
        values[i] = items[i].toInt(&ok);
        if (!ok) return std::nullopt;
    }
    return QPoint(values[3], values[4]);
}

QPoint KeepOnDesktop(QPoint topLeft, QSize size, const QRect& desktop) {
    int left = topLeft.x(), top = topLeft.y();
    const int right = desktop.left() + desktop.width(), bottom = desktop.top() + desktop.height();
    if (left + size.width() > right) left = right - size.width();
    if (top + size.height() > bottom) top = bottom - size.height();
    if (left < desktop.left()) left = desktop.left();
    if (top < desktop.top()) top = desktop.top();
    return {left, top};
}

QPoint CentredOnScreen(QSize size, const QRect& screen) {
    return {screen.left() + (screen.width() - size.width()) / 2,
            screen.top() + (screen.height() - size.height()) / 2};
}

}  // namespace spindora
