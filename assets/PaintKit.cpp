#include "assets/PaintKit.h"

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace spindora::paint {
namespace {
// Per thread: sheets for a new zoom are painted beside the window's own painting.
thread_local int artScale = 1;
}  // namespace

int ArtScale() { return artScale; }

ArtScaleScope::ArtScaleScope(int scale) : previous_(artScale) { artScale = std::max(1, scale); }
ArtScaleScope::~ArtScaleScope() { artScale = previous_; }

QImage Canvas(QSize logical, QImage::Format format) {
    QImage picture(logical * artScale, format);
    picture.setDevicePixelRatio(artScale);
    return picture;
}

int ScaleOf(const QImage& picture) {
    return std::max(1, static_cast<int>(picture.devicePixelRatio() + 0.5));
}

std::vector<double> LogicalColumns(const QImage& picture, QPoint origin) {
    const int scale = ScaleOf(picture);
    std::vector<double> columns(static_cast<size_t>(picture.width()));
    for (int px = 0; px < picture.width(); ++px)
        columns[static_cast<size_t>(px)] = LogicalPixel(origin.x() * scale + px, scale);
    return columns;
}

QImage CopyLogical(const QImage& picture, const QRect& logical) {
    const int scale = ScaleOf(picture);
    QImage part = picture.copy(QRect(logical.topLeft() * scale, logical.size() * scale));
    part.setDevicePixelRatio(scale);
    return part;
}

QPointF PointOnCircle(QPointF centre, double radius, double radians) {
    return centre + radius * QPointF(std::cos(radians), std::sin(radians));
}

double SmoothStep(double edge0, double edge1, double x) {
    return Hermite(std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0));
}

QRgb Blend(QRgb a, QRgb b, double t) {
    auto channel = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
                channel(qBlue(a), qBlue(b)));
}

QRgb Shade(QRgb colour, double factor) {
    auto channel = [factor](int u) {
        return std::clamp(static_cast<int>(std::lround(u * factor)), 0, 255);
    };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

ColourRamp::ColourRamp(const QColor& a, const QColor& b)
    // As Mix: each end a float, and the span a float difference.
    : from_{a.redF(), a.greenF(), a.blueF()},
      span_{b.redF() - a.redF(), b.greenF() - a.greenF(), b.blueF() - a.blueF()} {}

QRgb ColourRamp::At(double t) const {
    t = std::clamp(t, 0.0, 1.0);
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        // As QColor: the float in sixteen bits, and those in eight, each rounded.
        const float level = static_cast<float>(from_[i] + span_[i] * t);
        const int wide = qRound(level * 65535);
        channels[i] = (wide + 128) / 257;
    }
    return qRgb(channels[0], channels[1], channels[2]);
}

// Three box passes approximate a Gaussian; enough for soft shadows under raised parts.
// Each pass averages 2 * radius + 1 neighbours, the picture's edge repeated beyond it. The
// alpha is blurred as a plane of bytes, walked a row at a time also when it runs down the
// columns, for a large picture is slow to read a column at a time.
void BlurAlpha(QImage& image, int radius) {
    const int w = image.width(), h = image.height();
    if (w == 0 || h == 0) return;
    const int span = 2 * radius + 1;
    std::vector<uint8_t> mean(static_cast<size_t>(255 * span + 1));
    for (size_t sum = 0; sum < mean.size(); ++sum) mean[sum] = static_cast<uint8_t>(sum / span);
    const auto at = [w](std::vector<uint8_t>& plane, int x, int y) -> uint8_t& {
        return plane[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
    };
    std::vector<uint8_t> plane(static_cast<size_t>(w) * static_cast<size_t>(h)), spare(plane.size());
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) at(plane, x, y) = static_cast<uint8_t>(qAlpha(row[x]));
    }
    std::vector<int> sums(static_cast<size_t>(w));
    for (int round = 0; round < 3; ++round) {
        for (int y = 0; y < h; ++y) {
            auto in = [&](int x) { return int{at(plane, std::clamp(x, 0, w - 1), y)}; };
            int sum = 0;
            for (int k = -radius; k <= radius; ++k) sum += in(k);
            for (int x = 0; x < w; ++x) {
                at(spare, x, y) = mean[static_cast<size_t>(sum)];
                sum += in(x + radius + 1) - in(x - radius);
            }
        }
        std::fill(sums.begin(), sums.end(), 0);
        for (int k = -radius; k <= radius; ++k)
            for (int x = 0; x < w; ++x) sums[static_cast<size_t>(x)] += at(spare, x, std::clamp(k, 0, h - 1));
        for (int y = 0; y < h; ++y) {
            const int enters = std::min(y + radius + 1, h - 1), leaves = std::max(y - radius, 0);
            for (int x = 0; x < w; ++x) {
                int& sum = sums[static_cast<size_t>(x)];
                at(plane, x, y) = mean[static_cast<size_t>(sum)];
                sum += at(spare, x, enters) - at(spare, x, leaves);
            }
        }
    }
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) row[x] = qRgba(0, 0, 0, at(plane, x, y));
    }
}

void DropShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, int blur,
                int alpha) {
    // Room for the blur to spread on every side, or its edge would be cut off straight.
    const QRectF bounds = shape.boundingRect().adjusted(-3 * blur - 2, -3 * blur - 2,
                                                        3 * blur + 2, 3 * blur + 2)
                              .translated(offset);
    const QRect area = bounds.toAlignedRect();
    // At the density of what it falls on, so a dense picture gets a smooth shadow.
    const int scale = std::max(1, static_cast<int>(painter.device()->devicePixelRatio() + 0.5));
    QImage shadow(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
    shadow.setDevicePixelRatio(scale);
    shadow.fill(Qt::transparent);
    {
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(offset - QPointF(area.topLeft()));
        p.fillPath(shape, QColor(0, 0, 0, alpha));
    }
    BlurAlpha(shadow, blur * scale);
    painter.drawImage(area.topLeft(), shadow);
}

void FillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                  const QColor& outline, double width) {
    painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void FillWithHalo(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                  const QColor& halo, double haloWidth) {
    painter.setPen(QPen(halo, haloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
}

QPainterPath Circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& corner : corners) {
        if (first) path.moveTo(corner);
        else path.lineTo(corner);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath Stroke(const QPainterPath& centreLine, double width, Qt::PenCapStyle cap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLine).simplified();
}

QPainterPath ArcArrow(QPointF centre, double radius, double from, double to, double width,
                      double head) {
    QPainterPath line;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        const QPointF point = PointOnCircle(centre, radius, Radians(from + (to - from) * i / steps));
        if (i == 0) line.moveTo(point);
        else line.lineTo(point);
    }
    const double a = Radians(to);
    const double sense = to > from ? 1.0 : -1.0;
    const QPointF end = PointOnCircle(centre, radius, a);
    const QPointF along = sense * QPointF(-std::sin(a), std::cos(a));
    const QPointF out(std::cos(a), std::sin(a));
    const QPainterPath tip = Polygon({end + head * along,
                                      end - 0.2 * head * along + 0.95 * head * out,
                                      end - 0.2 * head * along - 0.95 * head * out});
    return Stroke(line, width, Qt::FlatCap).united(tip).simplified();
}

QPainterPath CentredText(const QFont& font, const QString& text, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre.x() - box.center().x(), centre.y() - box.center().y());
    return path;
}

QRadialGradient Sphere(QPointF centre, double radius, const QColor& base) {
    QRadialGradient g(centre + QPointF(-0.35 * radius, -0.4 * radius), 1.35 * radius,
                      centre + QPointF(-0.45 * radius, -0.5 * radius));
    g.setColorAt(0.0, base.lighter(190));
    g.setColorAt(0.45, base);
    g.setColorAt(1.0, base.darker(190));
    return g;
}

QLinearGradient Diagonal(const QRectF& box, const QColor& light, const QColor& dark) {
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0.0, light);
    g.setColorAt(1.0, dark);
    return g;
}

void MouseStepMark(QPainter& painter, const QRectF& area, bool leftButton, const QColor& ink,
                   const QColor& lit, const QString& sign) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = std::min(area.width(), 11.0);
    const QRectF body(area.center().x() - w / 2, area.top() + 0.5, w, w * 1.35);
    QPainterPath shell;
    shell.addRoundedRect(body, w / 2, w / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawPath(shell);
    // The lit button: the top ~40 % of the pressed half.
    const double split = body.top() + body.height() * 0.42;
    QPainterPath button;
    button.addRect(leftButton ? QRectF(body.left(), body.top(), w / 2, split - body.top())
                              : QRectF(body.center().x(), body.top(), w / 2, split - body.top()));
    painter.setBrush(lit);
    painter.drawPath(button.intersected(shell));
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shell);
    painter.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), split));
    painter.drawLine(QPointF(body.left(), split), QPointF(body.right(), split));
    // The sign as strokes, not text, so it stays crisp at this size with any font.
    const double cy = body.bottom() + (area.bottom() - body.bottom()) / 2 + 0.5;
    const double cx = body.center().x();
    const double arm = std::min(3.5, (area.bottom() - body.bottom()) / 2);
    painter.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::FlatCap));
    if (sign == QStringLiteral("+") || sign == QStringLiteral("-")) {
        painter.drawLine(QPointF(cx - arm, cy), QPointF(cx + arm, cy));
        if (sign == QStringLiteral("+")) painter.drawLine(QPointF(cx, cy - arm), QPointF(cx, cy + arm));
    } else {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(8);
        font.setBold(true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPath(CentredText(font, sign, QPointF(cx, cy)));
    }
    painter.restore();
}

void PaintWood(QImage& board) {
    const ValueNoise grain(0x5A1B0u, 64), figure(0xC0FFEEu, 64);
    const QColor dark(74, 38, 18), mid(128, 72, 36), light(168, 104, 56);
    const ColourRamp darker(dark, mid), lighter(mid, light);
    const std::vector<double> columns = LogicalColumns(board);
    // Long horizontal fibres, gently warped so the rings wander like real timber.
    NoiseOverColumns warp(figure, columns, {0.012}, {0.03}), knots(figure, columns, {0.05, 17}, {0.09, 5});
    NoiseOverColumns fibres(grain, columns, {0.02}, {0.9}), fine(grain, columns, {0.3, 31}, {1.7, 11});
    FillByLogicalPixel(board, [&](double, double y, int column) {
        const double bend = 9.0 * warp.At(column, y) + 2.0 * knots.At(column, y);
        const double rings = 0.5 + 0.5 * std::sin((y + bend * 3.2) * 0.42);
        double t = 0.55 * rings * rings + 0.3 * fibres.At(column, y) + 0.15 * fine.At(column, y);
        return t < 0.5 ? darker.At(t * 2) : lighter.At((t - 0.5) * 2);
    });
}

void PaintBoardFrame(QPainter& p, QSize size) {
    // A bevelled rim all round: light on the top and left, dark on the bottom and right.
    constexpr int kFrame = kBoardFrame;
    const int w = size.width(), h = size.height();
    for (int i = 0; i < kFrame; ++i) {
        const double depth = 1.0 - double(i) / kFrame;
        QColor light(255, 225, 180, static_cast<int>(110 * depth));
        QColor dark(20, 8, 0, static_cast<int>(150 * depth));
        p.setPen(light);
        p.drawLine(i, i, w - 1 - i, i);
        p.drawLine(i, i, i, h - 1 - i);
        p.setPen(dark);
        p.drawLine(i + 1, h - 1 - i, w - 1 - i, h - 1 - i);
        p.drawLine(w - 1 - i, i + 1, w - 1 - i, h - 1 - i);
    }
    p.setPen(QColor(30, 12, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
    // Inlaid brass line just inside the rim.
    p.setPen(QColor(40, 18, 4, 160));
    p.drawRect(kFrame + 1, kFrame + 1, w - 2 * kFrame - 3, h - 2 * kFrame - 3);
    p.setPen(QColor(224, 182, 100, 200));
    p.drawRect(kFrame + 2, kFrame + 2, w - 2 * kFrame - 5, h - 2 * kFrame - 5);
}

void FillGoldLetters(QPainter& p, const QPainterPath& letters) {
    const QRectF placed = letters.boundingRect();
    QLinearGradient gold(0, placed.top(), 0, placed.bottom());
    gold.setColorAt(0.0, QColor(255, 250, 200));
    gold.setColorAt(0.45, QColor(255, 204, 72));
    gold.setColorAt(0.55, QColor(240, 160, 30));
    gold.setColorAt(1.0, QColor(176, 90, 10));
    FillWithHalo(p, letters, gold, QColor(40, 16, 2), 3.2);
    // A hairline highlight on the upper edges gives the letters a rounded, cast look.
    p.save();
    p.setClipPath(letters);
    p.setPen(QPen(QColor(255, 255, 235, 170), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(letters.translated(1.0, 1.2));
    p.restore();
}

void PaintPlaque(QPainter& p, const QRectF& plaque, double radius) {
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(plaque, radius, radius);
    DropShadow(p, shape, QPointF(2.5, 3.0), 2, 200);

    QLinearGradient rim(plaque.topLeft(), plaque.bottomRight());
    rim.setColorAt(0.0, QColor(255, 244, 196));
    rim.setColorAt(0.5, QColor(226, 180, 90));
    rim.setColorAt(1.0, QColor(128, 82, 24));
    p.setPen(QPen(QColor(50, 28, 4), 1.0));
    p.setBrush(rim);
    p.drawPath(shape);

    const QRectF face = plaque.adjusted(3.5, 3.5, -3.5, -3.5);
    QLinearGradient cream(face.topLeft(), face.bottomLeft());
    cream.setColorAt(0.0, QColor(255, 250, 228));
    cream.setColorAt(1.0, QColor(240, 222, 172));
    p.setPen(Qt::NoPen);
    p.setBrush(cream);
    p.drawRoundedRect(face, radius - 2.5, radius - 2.5);
}

void PaintRulesCard(QPainter& p, const QRectF& card) {
    QPainterPath shape;
    shape.addRoundedRect(card, 8, 8);
    DropShadow(p, shape, QPointF(2.5, 3.0), 3, 190);
    p.setPen(QPen(QColor(60, 34, 8), 1.0));
    p.setBrush(Diagonal(card, QColor(255, 251, 234), QColor(232, 214, 170)));
    p.drawPath(shape);
    p.setPen(QPen(QColor(196, 150, 80), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card.adjusted(3, 3, -3, -3), 5.5, 5.5);
}

void PaintLevelBars(QPainter& p, QPointF bottomLeft, int count, double width, double pitch,
                    double firstHeight, double step, int lit) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[5] = {QColor(80, 200, 80), QColor(170, 214, 60), QColor(250, 210, 50),
                               QColor(250, 140, 40), QColor(228, 50, 40)};
    for (int i = 0; i < count; ++i) {
        // Up to five bars take whole colours, skipping middle ones so the ramp still runs
        // green to red; more bars blend between them.
        QColor colour = colours[count > 1 ? (4 * i + (count - 1) / 2) / (count - 1) : 0];
        if (count > 5) {
            const double at = 4.0 * i / (count - 1);
            const int below = std::min(3, static_cast<int>(at));
            colour = Mix(colours[below], colours[below + 1], at - below);
        }
        const double height = firstHeight + step * i;
        const QRectF bar(bottomLeft.x() + pitch * i, bottomLeft.y() - height, width, height);
        QPainterPath shape;
        shape.addRoundedRect(bar, std::min(1.5, width / 2), std::min(1.5, width / 2));
        const bool glows = lit < 0 || i < lit;
        // A dark bar is an empty slot: grey, sunk, and without the glow's shadow, so it
        // cannot be mistaken for a lit one even by a player who sees no colour.
        // Slim bars stand lower, so they cast shorter shadows.
        const double lift = std::min(1.0, width / 4.0);
        if (glows) DropShadow(p, shape, lift * QPointF(1.5, 2.0), 1, 170);
        else colour = QColor(150, 132, 108);
        QLinearGradient shade(bar.topLeft(), bar.topRight());
        shade.setColorAt(0.0, glows ? colour.lighter(135) : colour.darker(110));
        shade.setColorAt(1.0, glows ? colour.darker(125) : colour.lighter(110));
        p.setPen(QPen(glows ? QColor(40, 16, 2) : QColor(120, 100, 76), 1.0));
        p.setBrush(shade);
        p.drawPath(shape);
    }
}

namespace {

QImage ClothTexture(const QRect& area, const Cloth& cloth) {
    const ValueNoise nap(cloth.seed, 64);
    const ColourRamp shades(cloth.dark, cloth.light);
    QImage texture = Canvas(area.size());
    const std::vector<double> columns = LogicalColumns(texture, area.topLeft());
    NoiseOverColumns fine(nap, columns, {0.7}, {0.7}), broad(nap, columns, {0.08}, {0.08});
    FillByLogicalPixel(texture, [&](double x, double y, int column) {
        const double n = 0.6 * fine.At(column, y) + 0.4 * broad.At(column, y);
        const double dx = x - cloth.lamp.x(), dy = y - cloth.lamp.y();
        const double lamp = std::max(0.0, 1.0 - std::sqrt(dx * dx + dy * dy) / cloth.reach);
        return shades.At(0.35 * n + 0.65 * lamp);
    }, area.topLeft());
    return texture;
}

}  // namespace

QBrush ClothBrush(const QRect& area, const Cloth& cloth) {
    QImage texture = ClothTexture(area, cloth);
    const int scale = ScaleOf(texture);
    texture.setDevicePixelRatio(1);
    QBrush brush(texture);
    // A dense texture laid over board coordinates, pixel for device pixel, from the corner
    // of its area.
    QTransform place = QTransform::fromScale(1.0 / scale, 1.0 / scale);
    place *= QTransform::fromTranslate(area.x(), area.y());
    if (!place.isIdentity()) brush.setTransform(place);
    return brush;
}

namespace {

// The shadow the wood's inner walls cast into a recess, along its top and left.
void WallShadow(QPainter& p, const QPainterPath& hole) {
    QPainterPath outside;
    outside.addRect(hole.boundingRect().adjusted(-30, -30, 30, 30));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(hole);
    DropShadow(p, outside.subtracted(hole), QPointF(2.5, 3), 3, 200);
    p.restore();
}

}  // namespace

void SinkIntoWood(QPainter& p, const QPainterPath& hole) {
    WallShadow(p, hole);
    p.setPen(QPen(QColor(24, 10, 2), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hole);
}

void PaintCloth(QPainter& p, const QPainterPath& shape, const Cloth& cloth) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ClothBrush(shape.boundingRect().toAlignedRect(), cloth));
    p.drawPath(shape);
    SinkIntoWood(p, shape);
}

void PaintCloth(QPainter& p, const QRect& area, const Cloth& cloth) {
    const QRectF edge(area);
    QPainterPath shape;
    shape.addRect(edge);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ClothBrush(area, cloth));
    p.drawPath(shape);
    // The cut lies just outside the cloth, so the cloth keeps every pixel of its area.
    QPainterPath cut;
    cut.addRect(edge.adjusted(-0.5, -0.5, 0.5, 0.5));
    WallShadow(p, shape);
    p.setPen(QPen(QColor(24, 10, 2), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cut);
    p.setPen(QPen(QColor(220, 176, 110, 170), 1.0));
    p.drawLine(QPointF(edge.left() - 1.5, edge.bottom() + 1.5),
               QPointF(edge.right() + 1.5, edge.bottom() + 1.5));
    p.drawLine(QPointF(edge.right() + 1.5, edge.top() - 1.5),
               QPointF(edge.right() + 1.5, edge.bottom() + 1.5));
}

QLinearGradient Brass(const QRectF& box) {
    QLinearGradient brass(box.topLeft(), box.bottomRight());
    brass.setColorAt(0.0, QColor(255, 238, 170));
    brass.setColorAt(0.35, QColor(222, 176, 82));
    brass.setColorAt(0.7, QColor(150, 104, 36));
    brass.setColorAt(1.0, QColor(86, 56, 16));
    return brass;
}

void PaintGoldTitle(QPainter& p, const QPainterPath& letters) {
    p.setRenderHint(QPainter::Antialiasing);
    DropShadow(p, letters, QPointF(2.5, 3.0), 2, 190);
    FillGoldLetters(p, letters);
}

bool InsideRound(int size, double radius, int x, int y) {
    return InsideRound(size, radius, double(x), double(y));
}

bool InsideRound(int size, double radius, double x, double y) {
    const double dx = x + 0.5 - size / 2.0, dy = y + 0.5 - size / 2.0;
    return dx * dx + dy * dy <= radius * radius;
}

QImage RoundMask(int size, double radius) {
    QImage mask = Canvas(QSize(size, size));
    const int scale = ScaleOf(mask);
    for (int y = 0; y < mask.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x)
            row[x] = InsideRound(size, radius, LogicalPixel(x, scale), LogicalPixel(y, scale))
                         ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return mask;
}

QImage RoundSprite(int size, double radius, const std::function<void(QPainter&)>& paint) {
    QImage sprite = Canvas(QSize(size, size));
    const int scale = ScaleOf(sprite);
    sprite.fill(Qt::black);
    {
        QPainter p(&sprite);
        paint(p);
    }
    for (int y = 0; y < sprite.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(sprite.scanLine(y));
        for (int x = 0; x < sprite.width(); ++x) {
            if (!InsideRound(size, radius, LogicalPixel(x, scale), LogicalPixel(y, scale)))
                row[x] = qRgb(0, 0, 0);
            else if ((row[x] & 0xFFFFFFu) == 0) row[x] = qRgb(1, 1, 1);
        }
    }
    return sprite;
}

QFont BoldSans(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

QImage WoodenBoard(QSize size) {
    QImage board = Canvas(size);
    PaintWood(board);
    QPainter p(&board);
    PaintBoardFrame(p, size);
    return board;
}

QImage SheetWithBoard(QSize size, const QImage& board) {
    QImage sheet = Canvas(size);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    p.drawImage(0, 0, board);
    return sheet;
}

TitlePlace PaintGoldTitle(QPainter& p, const QFont& font, const QString& head,
                          const QString& tail, double centreX, double baseline, double grow) {
    constexpr double kGap = 3.0;
    QPainterPath before, after;
    before.addText(0, 0, font, head);
    after.addText(0, 0, font, tail);
    const double capHeight = before.boundingRect().height();
    const double radius = capHeight / 2.0 + grow;
    const double tailWidth = tail.isEmpty() ? 0.0 : kGap + after.boundingRect().width();
    const double total = before.boundingRect().width() + kGap + 2 * radius + tailWidth;
    const double left = centreX - total / 2.0;
    before.translate(left - before.boundingRect().left(), baseline);
    const QPointF piece(before.boundingRect().right() + kGap + radius, before.boundingRect().center().y());
    after.translate(piece.x() + radius + kGap - after.boundingRect().left(), baseline);
    p.setRenderHint(QPainter::Antialiasing);
    DropShadow(p, Circle(piece, radius), QPointF(2.5, 3.0), 2, 190);
    PaintGoldTitle(p, before.united(after));
    return {piece, radius, left, left + total};
}

void PaintTitleRule(QPainter& p, double left, double right, double y) {
    QLinearGradient rule(left, 0, right, 0);
    rule.setColorAt(0.0, QColor(224, 182, 100, 0));
    rule.setColorAt(0.2, QColor(240, 200, 120));
    rule.setColorAt(0.8, QColor(240, 200, 120));
    rule.setColorAt(1.0, QColor(224, 182, 100, 0));
    p.setPen(QPen(QColor(30, 12, 2, 160), 1.0));
    p.drawLine(QPointF(left, y + 1), QPointF(right, y + 1));
    p.setPen(QPen(QBrush(rule), 1.0));
    p.drawLine(QPointF(left, y), QPointF(right, y));
}

void PaintRulesCard(QPainter& p, const QPainterPath& card) {
    p.setRenderHint(QPainter::Antialiasing);
    DropShadow(p, card, QPointF(2.5, 3.0), 3, 190);
    p.setPen(QPen(QColor(60, 34, 8), 1.0));
    p.setBrush(Diagonal(card.boundingRect(), QColor(255, 251, 234), QColor(232, 214, 170)));
    p.drawPath(card);
    // The inner line follows the outline three pixels in, whatever its shape.
    p.setPen(QPen(QColor(196, 150, 80), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(card.subtracted(Stroke(card, 6.0)));
}

void PaintRulesMouse(QPainter& p, const QRectF& body, bool leftButton, const QColor& lit) {
    QPainterPath shell;
    shell.addRoundedRect(body, body.width() / 2, body.width() / 2);
    const double split = body.top() + body.height() * 0.42;
    QPainterPath button;
    button.addRect(QRectF(leftButton ? body.left() : body.center().x(), body.top(),
                          body.width() / 2, split - body.top()));
    p.setPen(QPen(QColor(40, 40, 50), 1.2));
    p.setBrush(Diagonal(body, QColor(255, 255, 255), QColor(176, 180, 190)));
    p.drawPath(shell);
    p.setBrush(lit);
    p.drawPath(button.intersected(shell));
    p.setPen(QPen(QColor(40, 40, 50), 1.0));
    p.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), split));
    p.drawLine(QPointF(body.left(), split), QPointF(body.right(), split));
}

void PaintTick(QPainter& p, const QPainterPath& centreLine, double width) {
    const QPainterPath check = Stroke(centreLine, width);
    const QRectF box = check.boundingRect();
    DropShadow(p, check, QPointF(1.5, 2), 1, 150);
    QLinearGradient green(box.topLeft(), box.bottomRight());
    green.setColorAt(0.0, QColor(140, 240, 110));
    green.setColorAt(1.0, QColor(20, 140, 40));
    FillOutlined(p, check, green, QColor(8, 60, 16), 1.1);
}

void PaintLevelMarks(QPainter& p, const QRectF& face, double inset, double markWidth,
                     double markHeight) {
    const QColor ink(110, 62, 14), lit = kMouseLit;
    const double top = face.center().y() - markHeight / 2;
    MouseStepMark(p, QRectF(face.left() + inset, top, markWidth, markHeight), true, ink, lit,
                  QStringLiteral("+"));
    MouseStepMark(p, QRectF(face.right() - inset - markWidth, top, markWidth, markHeight), false,
                  ink, lit, QStringLiteral("-"));
}

QFont LevelNumeralFont(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    return font;
}

void PaintLevelNumber(QPainter& p, QPointF centre, int level, int pixelSize) {
    QFont font = LevelNumeralFont(pixelSize);
    if (level >= 10) font.setLetterSpacing(QFont::AbsoluteSpacing, -0.6);
    const QPainterPath digits = CentredText(font, QString::number(level), centre);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(digits);
}

}  // namespace spindora::paint
