#include "dialogs/DialogParts.h"

#include <QPainter>

#include "assets/EmbeddedAssets.h"
#include "dialogs/ButtonFinish.h"

namespace spindora {

void PaintDialogFace(QPainter& painter, const QImage& background, QSize size,
                     std::initializer_list<QRect> frames) {
    // The picture may hold more device pixels than the window's own (a dense screen), and
    // between two densities it is held at the next one up and scaled down smoothly here.
    const qreal scale = background.devicePixelRatio();
    const qreal top = background.deviceIndependentSize().height() - size.height();
    if (painter.device()->devicePixelRatioF() < scale)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), size), background,
                      QRectF(QPointF(0, top) * scale, QSizeF(size) * scale));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    for (const QRect& frame : frames) painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

QPushButton* MakeGlyphButton(QWidget* parent, const char* name, const QRect& place, Glyph glyph) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(QRect(place.topLeft(), QSize(place.width(), kDialogButtonHeight)));
    const GlyphLayout& info = LayoutOf(glyph);
    button->setIcon(GlyphIcon(glyph));
    button->setProperty(kGlyphProperty, static_cast<int>(glyph));
    button->setIconSize(QSize(info.width / info.images, info.height));
    GiveGameFinish(button);
    return button;
}

QPoint PlaceOverClient(const QRect& mainFrame, int mainClientHeight, QSize size) {
    return {mainFrame.left() + (mainFrame.width() - size.width()) / 2,
            mainFrame.top() + mainFrame.height() - (mainClientHeight + size.height()) / 2};
}

QFont PixelFont(const char* family, int pixels, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace spindora
