#include "assets/DialogBackground.h"

#include <QConicalGradient>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <random>
#include <vector>

#include "assets/PaintKit.h"

namespace spindora {
namespace {

using paint::Blend;
using paint::CentredText;
using paint::FillWithHalo;
using paint::Shade;
using paint::SmoothStep;
using paint::ValueNoise;

struct Blob {
    double x, y, radius, weight;
};

// Soft round patches scattered from a fixed seed; positive ones pull towards salmon,
// negative ones towards sage. Only the bits of the generator are used, mapped by hand.
std::vector<Blob> ScatterBlobs() {
    std::mt19937 generator(0x5A1F0Du);
    auto unit = [&generator] { return (generator() >> 8) / 16777216.0; };
    std::vector<Blob> blobs;
    for (int i = 0; i < 170; ++i) {
        Blob blob{};
        blob.x = -30 + unit() * (kDialogBackgroundWidth + 60);
        blob.y = -30 + unit() * (kDialogBackgroundHeight + 60);
        blob.radius = 9 + unit() * 19;
        blob.weight = (i % 2 == 0 ? 1.0 : -1.0) * (0.6 + 0.6 * unit());
        blobs.push_back(blob);
    }
    return blobs;
}

void PaintMottle(QImage& image) {
    // Two calm colours in soft-edged patches; a faint grain only breathes a little light
    // and shade into them so black text stays easy to read anywhere.
    const std::vector<Blob> blobs = ScatterBlobs();
    const ValueNoise grain(0x6E11Au, 32);
    const QRgb salmon = qRgb(238, 168, 148);
    const QRgb sage = qRgb(172, 192, 164);
    paint::FillByLogicalPixel(image, [&](double x, double y) {
        double field = 0;
        for (const Blob& blob : blobs) {
            const double dx = x - blob.x, dy = y - blob.y;
            field += blob.weight * std::exp(-(dx * dx + dy * dy) / (blob.radius * blob.radius));
        }
        const double mix = SmoothStep(-0.45, 0.45, -field);
        // Rotated lattice so the grain shows no rows or columns.
        const double u = 0.8 * x + 0.6 * y, v = -0.6 * x + 0.8 * y;
        const double light = 0.965 + 0.05 * grain.At(u / 7.0, v / 7.0) +
                             0.02 * grain.At(u / 2.3 + 5.5, v / 2.3 + 2.5);
        return Shade(Blend(salmon, sage, mix), light);
    });
}

}  // namespace

void PaintSpinningTop(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(QRect(QPoint(0, 0), kDialogLogoRect.size()));
    const double cx = 24.0;
    const double top = 0.0;

    // Shadow on the table under the tip.
    QRadialGradient shadow(QPointF(cx + 3, top + 41.5), 11);
    shadow.setColorAt(0.0, QColor(60, 30, 20, 110));
    shadow.setColorAt(1.0, QColor(60, 30, 20, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(cx + 3, top + 41.5), 13, 3.2);

    // Whirl lines on the right say it spins.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double r = 21.0 + 4.0 * i;
        p.setPen(QPen(QColor(120, 50, 40, 190 - 45 * i), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(cx - r, top + 22 - r * 0.55, 2 * r, 2 * r * 0.55), -40 * 16, 62 * 16);
    }

    // Body: a dome over a cone ending in the point.
    QPainterPath body;
    body.moveTo(cx - 21, top + 20);
    body.cubicTo(cx - 21, top + 9, cx + 21, top + 9, cx + 21, top + 20);
    body.cubicTo(cx + 21, top + 27, cx + 6, top + 33, cx + 1.2, top + 41);
    body.lineTo(cx - 1.2, top + 41);
    body.cubicTo(cx - 6, top + 33, cx - 21, top + 27, cx - 21, top + 20);
    body.closeSubpath();

    // Stem.
    const QRectF stem(cx - 3, top + 2, 6, 11);
    QLinearGradient wood(stem.topLeft(), stem.topRight());
    wood.setColorAt(0.0, QColor(240, 200, 130));
    wood.setColorAt(1.0, QColor(140, 84, 30));
    p.setPen(QPen(QColor(50, 20, 10), 1.0));
    p.setBrush(wood);
    p.drawRoundedRect(stem, 2.5, 2.5);

    // Stripes swirl round the body like paint on a turning top.
    QConicalGradient stripes(QPointF(cx, top + 22), 90);
    const QColor bands[6] = {QColor(220, 44, 40), QColor(250, 196, 50), QColor(54, 160, 80),
                             QColor(220, 44, 40), QColor(250, 196, 50), QColor(54, 160, 80)};
    for (int i = 0; i < 6; ++i) {
        stripes.setColorAt(i / 6.0, bands[i]);
        stripes.setColorAt(i / 6.0 + 0.12, bands[i]);
    }
    stripes.setColorAt(1.0, bands[0]);
    p.setPen(Qt::NoPen);
    p.setBrush(stripes);
    p.drawPath(body);
    // Light from the top left, shade to the bottom right.
    QRadialGradient lamp(QPointF(cx - 9, top + 13), 30);
    lamp.setColorAt(0.0, QColor(255, 255, 255, 150));
    lamp.setColorAt(0.45, QColor(255, 255, 255, 0));
    lamp.setColorAt(1.0, QColor(40, 0, 0, 110));
    p.setBrush(lamp);
    p.drawPath(body);
    p.setPen(QPen(QColor(60, 16, 10), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);

    // The initial.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(20);
    FillWithHalo(p, CentredText(font, QStringLiteral("S"), QPointF(cx, top + 22)),
                 QColor(255, 252, 240), QColor(60, 16, 10), 2.6);
    p.restore();
}

QImage PaintDialogBackground(int scale) {
    const paint::ArtScaleScope density(scale);
    QImage image = paint::Canvas(QSize(kDialogBackgroundWidth, kDialogBackgroundHeight));
    PaintMottle(image);
    QPainter p(&image);
    p.translate(kDialogLogoRect.topLeft());
    PaintSpinningTop(p);
    return image;
}

}  // namespace spindora
