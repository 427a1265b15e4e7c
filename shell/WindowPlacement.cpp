#include "shell/WindowPlacement.h"

#include <QStringList>
#include <algorithm>

namespace spindora {
namespace {

// Window systems place windows in 16-bit coordinates (X11's own limit), so an edge further
// out than this cannot be on any desktop; the sums below stay far from the integer limit.
constexpr qint64 kFurthestEdge = 32767;

}  // namespace

QString FormatPlacement(const QRect& frame, int showState) {
    return QStringLiteral("%1,0,%2,%3,%4,%5,%6")
        .arg(kPlacementMark)
        .arg(showState)
        .arg(frame.left())
        .arg(frame.top())
        .arg(qint64{frame.left()} + frame.width())
        .arg(qint64{frame.top()} + frame.height());
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
    for (int i = 3; i < 7; ++i)
        if (values[i] > kFurthestEdge || values[i] < -kFurthestEdge) return std::nullopt;
    return QPoint(values[3], values[4]);
}

QPoint KeepOnDesktop(QPoint topLeft, QSize size, const QRect& desktop) {
    qint64 left = topLeft.x(), top = topLeft.y();
    const qint64 right = qint64{desktop.left()} + desktop.width();
    const qint64 bottom = qint64{desktop.top()} + desktop.height();
    if (left + size.width() > right) left = right - size.width();
    if (top + size.height() > bottom) top = bottom - size.height();
    if (left < desktop.left()) left = desktop.left();
    if (top < desktop.top()) top = desktop.top();
    return {static_cast<int>(left), static_cast<int>(top)};
}

QPoint CentredOnScreen(QSize size, const QRect& screen) {
    // A window larger than the screen would put its tool bar beyond the top-left edges.
    return {screen.left() + std::max(0, (screen.width() - size.width()) / 2),
            screen.top() + std::max(0, (screen.height() - size.height()) / 2)};
}

}  // namespace spindora
