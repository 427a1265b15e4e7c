#include "assets/ProgramPictures.h"

#include <QPainter>
#include <QPainterPath>

#include "assets/DialogBackground.h"
#include "assets/Glyphs.h"
#include "assets/PaintKit.h"

namespace spindora {
namespace {

using paint::DropShadow;
using paint::FillGoldLetters;
using paint::FillWithHalo;

QPainterPath Lettering(const QString& text, int pixels, QPointF centre) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(pixels);
    return paint::CentredText(font, text, centre);
}

// A brass line with a light edge under it, as under each board's title.
void BrassRule(QPainter& p, double left, double right, double y) {
    p.setPen(QPen(QColor(60, 30, 8, 200), 1.0));
    p.drawLine(QPointF(left, y + 1), QPointF(right, y + 1));
    QLinearGradient brass(left, 0, right, 0);
    brass.setColorAt(0.0, QColor(150, 104, 36, 0));
    brass.setColorAt(0.5, QColor(255, 226, 150));
    brass.setColorAt(1.0, QColor(150, 104, 36, 0));
    p.setPen(QPen(QBrush(brass), 1.0));
    p.drawLine(QPointF(left, y), QPointF(right, y));
}

}  // namespace

QImage PaintSplashPicture(int scale) {
    const paint::ArtScaleScope density(scale);
    QImage image = paint::Canvas(QSize(kSplashWidth, kSplashHeight));
    paint::PaintWood(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint::PaintBoardFrame(p, image.deviceIndependentSize().toSize());

    const QPainterPath title = Lettering(QStringLiteral("SPINDORA"), 29, QPointF(100, 31));
    DropShadow(p, title, QPointF(2.0, 2.5), 2, 190);
    FillGoldLetters(p, title);
    BrassRule(p, 22, 178, 50.5);

    // The logo in the middle, the four puzzles' marks on either side of it.
    p.save();
    p.translate(100 - 1.45 * 27, 56);
    p.scale(1.45, 1.45);
    PaintSpinningTop(p);
    p.restore();
    const Glyph marks[4] = {Glyph::Zibbo, Glyph::Kolluk, Glyph::Pluf, Glyph::Murvo};
    const QPoint places[4] = {{24, 66}, {40, 96}, {140, 96}, {156, 66}};
    for (int i = 0; i < 4; ++i) {
        QPainterPath disc;
        disc.addEllipse(QRectF(places[i], QSizeF(20, 20)));
        DropShadow(p, disc, QPointF(1.5, 2.0), 2, 160);
        p.drawImage(places[i], PaintGlyph(marks[i]));
    }

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(8);
    p.setFont(small);
    p.setPen(QColor(248, 232, 196));
    // Inside the brass inlay, with as much air to its right as below it.
    const int inside = kSplashWidth - paint::kBoardFrame - 6;
    p.drawText(QRect(0, 127, inside, 12), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("V1.3  \u00A9 Brizzels"));
    return image;
}

QImage PaintAboutPicture(int scale) {
    const paint::ArtScaleScope density(scale);
    QImage image = paint::Canvas(QSize(kAboutWidth, kAboutHeight));
    paint::PaintWood(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint::PaintPlaque(p, QRectF(3.5, 3.5, 92, 67), 7);

    p.save();
    p.translate(50 - 2.4 * 13, 6);
    p.scale(2.4, 2.4);
    PaintBrizzelHead(p);
    p.restore();

    const QPainterPath name = Lettering(QStringLiteral("BRIZZELS"), 11, QPointF(50, 63));
    FillWithHalo(p, name, QColor(120, 40, 190), QColor(255, 250, 236), 2.4);
    return image;
}

}  // namespace spindora
