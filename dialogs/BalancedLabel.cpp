#include "dialogs/BalancedLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace spindora {

BalancedLabel::BalancedLabel(QWidget* parent) : QLabel(parent) {}

QStringList BalancedLabel::Lines() const {
    const QFontMetrics metrics(font());
    const QString whole = text();
    if (metrics.horizontalAdvance(whole) <= width()) return {whole};
    const QStringList words = whole.split(QLatin1Char(' '));
    QStringList best;
    int bestLonger = width() + 1;
    for (qsizetype split = 1; split < words.size(); ++split) {
        const QString first = words.mid(0, split).join(QLatin1Char(' '));
        const QString second = words.mid(split).join(QLatin1Char(' '));
        const int longer = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (longer < bestLonger) {
            bestLonger = longer;
            best = {first, second};
        }
    }
    return best;
}

void BalancedLabel::paintEvent(QPaintEvent* event) {
    const QStringList lines = Lines();
    if (lines.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetrics metrics(font());
    int top = 0;
    for (const QString& line : lines) {
        painter.drawText(QRect(0, top, width(), metrics.height()),
                         (alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop, line);
        top += metrics.lineSpacing();
    }
}

}  // namespace spindora
