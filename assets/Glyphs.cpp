#include "assets/Glyphs.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <stdexcept>

#include "assets/PaintKit.h"

namespace spindora {
namespace {

using paint::ArcArrow;
using paint::CentredText;
using paint::Circle;
using paint::Diagonal;
using paint::FillOutlined;
using paint::FillWithHalo;
using paint::PointOnCircle;
using paint::Polygon;
using paint::Radians;
using paint::Sphere;
using paint::Stroke;

// Everything small gets the same near-black outline so it reads on a grey tool bar.
const QColor kInk(32, 24, 20);

// 3 x 5 pixel digits for places where a font would be mush.
void PixelDigit(QPainter& p, int digit, int x, int y, const QColor& colour) {
    static const char* const kRows[4][5] = {
        {"", "", "", "", ""},
        {".#.", "##.", ".#.", ".#.", "###"},
        {"##.", "..#", ".#.", "#..", "###"},
        {"##.", "..#", ".#.", "..#", "##."},
    };
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
            if (kRows[digit][row][col] == '#') p.fillRect(x + col, y + row, 1, 1, colour);
}

// ---------------------------------------------------------------------------------------
// Motifs, each painted into a cell the size of one image.

void PaintMix(QPainter& p) {
    // Two arrows chasing each other round: the shuffle button.
    const QPointF c(9, 9);
    FillOutlined(p, ArcArrow(c, 5.8, 196, 318, 2.4, 4.4),
                 Diagonal(QRectF(2, 2, 14, 8), QColor(255, 120, 100), QColor(190, 20, 20)), kInk);
    FillOutlined(p, ArcArrow(c, 5.8, 16, 138, 2.4, 4.4),
                 Diagonal(QRectF(2, 9, 14, 8), QColor(110, 170, 255), QColor(20, 50, 190)), kInk);
}

void PaintOption(QPainter& p) {
    // A knight with shield and pennant lance, standing guard over the level choice.
    const QColor steel(170, 178, 190);
    // Lance, then its pennant fluttering to the right.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(13, 1, 2, 17), kInk);
    p.fillRect(QRectF(13.5, 2, 1, 15), QColor(160, 110, 60));
    FillOutlined(p, Polygon({{14.5, 1.5}, {18, 3}, {14.5, 5.5}}), QColor(226, 40, 40), kInk, 0.8);
    // Legs and body.
    FillOutlined(p, QPainterPath([] {
                     QPainterPath legs;
                     legs.addRect(QRectF(6.5, 13, 2, 4.5));
                     legs.addRect(QRectF(9.5, 13, 2, 4.5));
                     return legs;
                 }()),
                 QColor(120, 128, 140), kInk);
    QPainterPath body;
    body.addRoundedRect(QRectF(5.5, 7.5, 7, 7), 1.5, 1.5);
    FillOutlined(p, body, Diagonal(QRectF(5, 7, 8, 8), steel.lighter(130), steel.darker(160)), kInk);
    // Gauntlet on the lance.
    FillOutlined(p, Circle(QPointF(13.8, 10), 1.4), steel, kInk);
    // Helmet with plume and visor slit.
    QPainterPath plume;
    plume.moveTo(8, 2.2);
    plume.cubicTo(8.5, -0.5, 12, 0, 11.5, 2.5);
    plume.closeSubpath();
    FillOutlined(p, plume, QColor(230, 50, 40), kInk, 0.8);
    QPainterPath helmet;
    helmet.moveTo(6.5, 8);
    helmet.lineTo(6.5, 4.5);
    helmet.cubicTo(6.5, 1.5, 11.5, 1.5, 11.5, 4.5);
    helmet.lineTo(11.5, 8);
    helmet.closeSubpath();
    FillOutlined(p, helmet, Diagonal(QRectF(6, 2, 6, 6), QColor(240, 244, 250), steel.darker(150)), kInk);
    p.fillRect(QRectF(7.5, 4.6, 3.5, 1), kInk);
    // Kite shield in front.
    QPainterPath shield;
    shield.moveTo(1.5, 8);
    shield.lineTo(8, 8);
    shield.lineTo(8, 11.5);
    shield.cubicTo(8, 14, 6, 15.8, 4.75, 16.8);
    shield.cubicTo(3.5, 15.8, 1.5, 14, 1.5, 11.5);
    shield.closeSubpath();
    FillOutlined(p, shield, Diagonal(QRectF(1, 8, 7, 9), QColor(90, 140, 255), QColor(20, 40, 150)), kInk);
    p.fillRect(QRectF(4.25, 9, 1, 6), QColor(255, 214, 60));
    p.fillRect(QRectF(2.5, 10.5, 4.5, 1), QColor(255, 214, 60));
}

void PaintPause(QPainter& p) {
    // A steaming cup: time for a break.
    p.setPen(QPen(QColor(110, 116, 130), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double x = 5.5 + 3 * i;
        QPainterPath steam;
        steam.moveTo(x, 7);
        steam.cubicTo(x - 1.6, 5.5, x + 1.6, 3.5, x, 1.5);
        p.drawPath(steam);
    }
    QPainterPath saucer;
    saucer.addEllipse(QRectF(1, 14.5, 16, 3));
    FillOutlined(p, saucer, QColor(220, 224, 232), kInk);
    QPainterPath handle = Stroke(QPainterPath([] {
        QPainterPath arc;
        arc.moveTo(12.5, 9.3);
        arc.cubicTo(17.3, 8.6, 17.3, 14.2, 12, 13.4);
        return arc;
    }()), 2.0);
    FillOutlined(p, handle, QColor(240, 240, 245), kInk, 0.8);
    QPainterPath cup;
    cup.moveTo(3.5, 8.5);
    cup.lineTo(13.5, 8.5);
    cup.lineTo(12.5, 13.5);
    cup.cubicTo(12, 15.5, 5, 15.5, 4.5, 13.5);
    cup.closeSubpath();
    QLinearGradient china(3, 0, 14, 0);
    china.setColorAt(0.0, QColor(255, 255, 255));
    china.setColorAt(1.0, QColor(170, 176, 196));
    FillOutlined(p, cup, china, kInk);
    p.fillRect(QRectF(4, 11, 9, 1.2), QColor(220, 60, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 60, 26));
    p.drawEllipse(QRectF(4.3, 8.3, 8.4, 1.6));
}

void PaintSound(QPainter& p) {
    // Loudspeaker and three waves.
    const QPainterPath speaker =
        Polygon({{1.5, 5.5}, {4.5, 5.5}, {8.5, 1.5}, {8.5, 14.5}, {4.5, 10.5}, {1.5, 10.5}});
    FillOutlined(p, speaker, Diagonal(QRectF(1, 1, 8, 14), QColor(250, 250, 255), QColor(110, 116, 136)), kInk);
    p.fillRect(QRectF(2, 6, 2, 4), QColor(70, 76, 90));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        const double r = 3.2 + 3.3 * i;
        const QRectF box(8.5 - r, 8 - r, 2 * r, 2 * r);
        p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(box, -48 * 16, 96 * 16);
        p.setPen(QPen(QColor(70, 150, 255), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(box, -44 * 16, 88 * 16);
    }
}

void PaintMidi(QPainter& p) {
    // Two beamed quavers.
    const QColor blue(40, 70, 200);
    QPainterPath notes;
    notes.addRect(QRectF(5.3, 3.5, 1.6, 9));
    notes.addRect(QRectF(12.3, 1.5, 1.6, 9));
    QPainterPath beam;
    beam.moveTo(5.3, 2.5);
    beam.lineTo(13.9, 0.5);
    beam.lineTo(13.9, 3.5);
    beam.lineTo(5.3, 5.5);
    beam.closeSubpath();
    notes = notes.united(beam);
    QTransform tilt;
    tilt.translate(3.8, 12.8);
    tilt.rotate(-22);
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 3.1, 2.1);
    notes = notes.united(tilt.map(head));
    QTransform tilt2;
    tilt2.translate(10.8, 10.8);
    tilt2.rotate(-22);
    notes = notes.united(tilt2.map(head)).simplified();
    FillOutlined(p, notes, Diagonal(QRectF(1, 0, 14, 16), blue.lighter(170), blue.darker(130)), kInk);
}

void PaintHighScore(QPainter& p) {
    // The winners' podium.
    struct Step {
        QRectF box;
        QColor colour;
        int place;
        QPoint digit;
    };
    const Step steps[3] = {{QRectF(0.5, 7.5, 6, 9), QColor(200, 206, 216), 2, QPoint(2, 9)},
                           {QRectF(6.5, 4.5, 5, 12), QColor(250, 200, 40), 1, QPoint(8, 6)},
                           {QRectF(11.5, 9.5, 6, 7), QColor(214, 130, 60), 3, QPoint(13, 11)}};
    for (const Step& step : steps) {
        QPainterPath block;
        block.addRect(step.box);
        FillOutlined(p, block, Diagonal(step.box, step.colour.lighter(135), step.colour.darker(130)), kInk);
        p.setRenderHint(QPainter::Antialiasing, false);
        PixelDigit(p, step.place, step.digit.x(), step.digit.y(), kInk);
        p.setRenderHint(QPainter::Antialiasing, true);
    }
    // A star over the winner.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 2.9 : 1.25;
        const QPointF point = PointOnCircle(QPointF(9, 2.6), r, Radians(-90 + 36.0 * i));
        if (i == 0) star.moveTo(point);
        else star.lineTo(point);
    }
    star.closeSubpath();
    FillOutlined(p, star, QColor(255, 230, 80), kInk, 0.7);
}

void PaintExit(QPainter& p) {
    // A closed wooden door in its frame.
    p.fillRect(QRectF(2, 0, 14, 18), kInk);
    p.fillRect(QRectF(3, 1, 12, 17), QColor(90, 90, 100));
    const QRectF door(4, 2, 10, 16);
    p.fillRect(door, Diagonal(door, QColor(220, 150, 80), QColor(130, 70, 26)));
    p.setPen(QPen(QColor(90, 44, 10), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5.5, 3.5, 7, 5));
    p.drawRect(QRectF(5.5, 10.5, 7, 6));
    p.setPen(QPen(QColor(255, 210, 150, 140), 1.0));
    p.drawLine(QPointF(6, 9.5), QPointF(13, 9.5));
    FillOutlined(p, Circle(QPointF(11.8, 10.2), 1.2), QColor(255, 220, 60), kInk, 0.7);
}

void PaintDialIcon(QPainter& p, QPointF c, double r) {
    FillOutlined(p, Circle(c, r), Sphere(c, r, QColor(220, 36, 36)), kInk);
    const double face = r * 0.64;
    FillOutlined(p, Circle(c, face), Sphere(c, face, QColor(40, 100, 230)), QColor(60, 0, 0), 0.8);
    const QPainterPath arrow =
        Polygon({c + QPointF(0, -face - 0.6), c + QPointF(3.4, -0.6), c + QPointF(1.2, -0.6),
                 c + QPointF(1.2, face - 1.2), c + QPointF(-1.2, face - 1.2),
                 c + QPointF(-1.2, -0.6), c + QPointF(-3.4, -0.6)});
    FillOutlined(p, arrow, QColor(90, 230, 90), QColor(0, 50, 10), 0.8);
}

void PaintZibbo(QPainter& p) { PaintDialIcon(p, QPointF(10, 10), 9.2); }

void PaintKolluk(QPainter& p) {
    // Three rings of beads, each touching the other two.
    const QColor beads[6] = {QColor(230, 40, 40),  QColor(250, 200, 30), QColor(40, 180, 60),
                             QColor(40, 110, 240), QColor(170, 60, 220), QColor(250, 130, 30)};
    const double ring = 4.2;
    const QPointF centres[3] = {QPointF(10, 5.9), QPointF(5.8, 13.2), QPointF(14.2, 13.2)};
    for (int k = 0; k < 3; ++k) {
        p.setPen(QPen(QColor(80, 70, 60, 140), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centres[k], ring, ring);
    }
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 6; ++i) {
            const QPointF c = PointOnCircle(centres[k], ring, Radians(60.0 * i + 30.0));
            FillOutlined(p, Circle(c, 1.75), Sphere(c, 1.75, beads[(i + 2 * k) % 6]), kInk, 0.7);
        }
}

void PaintPluf(QPainter& p) {
    // A round green push button with a red middle.
    const QPointF c(10, 10);
    FillOutlined(p, Circle(c, 9.2), Diagonal(QRectF(1, 1, 18, 18), QColor(150, 240, 120), QColor(16, 110, 30)), kInk);
    FillOutlined(p, Circle(c, 6.6), Diagonal(QRectF(3, 3, 14, 14), QColor(20, 120, 34), QColor(120, 220, 100)),
                 QColor(10, 70, 20), 0.8);
    FillOutlined(p, Circle(c, 3.8), Sphere(c, 3.8, QColor(230, 30, 30)), QColor(90, 0, 0), 0.8);
}

void PaintMurvo(QPainter& p) {
    // Three shiny balls.
    const struct {
        QPointF c;
        QColor colour;
    } balls[3] = {{QPointF(5.2, 14.3), QColor(40, 190, 60)},
                  {QPointF(10, 5.4), QColor(230, 40, 40)},
                  {QPointF(14.8, 14.3), QColor(40, 100, 240)}};
    for (const auto& ball : balls)
        FillOutlined(p, Circle(ball.c, 4.7), Sphere(ball.c, 4.7, ball.colour), kInk, 0.9);
}

void PaintTongue(QPainter& p) {
    // Red lips.
    QPainterPath upper;
    upper.moveTo(0.8, 7.5);
    upper.cubicTo(3, 5.5, 4.5, 3.5, 6, 4);
    upper.cubicTo(6.8, 4.2, 7.2, 4.8, 7.5, 5.2);
    upper.cubicTo(7.8, 4.8, 8.2, 4.2, 9, 4);
    upper.cubicTo(10.5, 3.5, 12, 5.5, 14.2, 7.5);
    upper.cubicTo(11, 7.2, 9, 8.1, 7.5, 7.6);
    upper.cubicTo(6, 8.1, 4, 7.2, 0.8, 7.5);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(0.8, 7.5);
    lower.cubicTo(4, 8.3, 6, 8.6, 7.5, 8.4);
    lower.cubicTo(9, 8.6, 11, 8.3, 14.2, 7.5);
    lower.cubicTo(12, 11.5, 9.5, 12, 7.5, 12);
    lower.cubicTo(5.5, 12, 3, 11.5, 0.8, 7.5);
    lower.closeSubpath();
    FillOutlined(p, upper, Diagonal(QRectF(1, 3, 13, 5), QColor(255, 110, 110), QColor(170, 10, 30)), QColor(70, 0, 10), 0.9);
    FillOutlined(p, lower, Diagonal(QRectF(1, 7, 13, 5), QColor(255, 90, 90), QColor(150, 0, 20)), QColor(70, 0, 10), 0.9);
    p.setPen(QPen(QColor(255, 220, 220, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 10), QPointF(7, 10.6));
}

void PaintLetterDisc(QPainter& p, const QColor& colour, const QString& letter) {
    const QPointF c(9, 9);
    FillOutlined(p, Circle(c, 8.2), Sphere(c, 8.2, colour), kInk);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(14);
    FillWithHalo(p, CentredText(font, letter, c), Qt::white, colour.darker(250), 1.6);
}

void PaintHelp(QPainter& p) { PaintLetterDisc(p, QColor(30, 170, 60), QStringLiteral("?")); }

void PaintInfo(QPainter& p) {
    const QPointF c(9, 9);
    const QColor blue(40, 100, 230);
    FillOutlined(p, Circle(c, 8.2), Sphere(c, 8.2, blue), kInk);
    // A hand-set "i" keeps its stem on whole pixels.
    QPainterPath letter;
    letter.addEllipse(QPointF(9, 4.8), 1.5, 1.5);
    letter.addRect(QRectF(7.5, 7.5, 3, 6));
    letter.addRect(QRectF(6.5, 7.5, 2, 1.5));
    letter.addRect(QRectF(6.5, 12.5, 5, 1.5));
    FillWithHalo(p, letter.simplified(), Qt::white, blue.darker(250), 1.4);
}

QRadialGradient Skin(QPointF c, double r) {
    QRadialGradient g(c + QPointF(-0.35 * r, -0.4 * r), 1.4 * r);
    g.setColorAt(0.0, QColor(255, 240, 220));
    g.setColorAt(0.5, QColor(255, 204, 156));
    g.setColorAt(1.0, QColor(214, 140, 96));
    return g;
}

void PaintBrizzel(QPainter& p) {
    // Brizzel, our mascot: a round fellow with a violet quiff, goggle eyes and a big grin.
    FillOutlined(p, Circle(QPointF(4.6, 12), 2.6), Skin(QPointF(4.6, 12), 2.6), kInk);
    FillOutlined(p, Circle(QPointF(21.4, 12), 2.6), Skin(QPointF(21.4, 12), 2.6), kInk);
    QPainterPath head;
    head.addEllipse(QRectF(4.6, 3.6, 16.8, 16));
    FillOutlined(p, head, Skin(QPointF(13, 11.6), 8.4), kInk);
    QPainterPath hair;
    hair.moveTo(5.6, 9);
    hair.lineTo(4.2, 3.6);
    hair.lineTo(8.4, 4.8);
    hair.lineTo(9.0, 0.6);
    hair.lineTo(12.6, 3.8);
    hair.lineTo(15.4, 0.4);
    hair.lineTo(16.6, 4.2);
    hair.lineTo(21.6, 2.6);
    hair.lineTo(20.4, 9);
    hair.cubicTo(17, 6.2, 9, 6.2, 5.6, 9);
    hair.closeSubpath();
    FillOutlined(p, hair, Diagonal(QRectF(5, 0, 16, 8), QColor(214, 140, 255), QColor(96, 24, 170)), kInk);
    for (double x : {10.0, 16.0}) {
        QPainterPath eye;
        eye.addEllipse(QRectF(x - 2.2, 7.4, 4.4, 5));
        FillOutlined(p, eye, QColor(255, 255, 255), kInk, 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(x + 0.6, 10.2), 1.2, 1.4);
    }
    p.setBrush(QColor(255, 120, 110, 110));
    p.drawEllipse(QPointF(7.6, 14), 1.6, 1.1);
    p.drawEllipse(QPointF(18.4, 14), 1.6, 1.1);
    p.setBrush(QColor(232, 120, 90));
    p.drawEllipse(QPointF(13, 12.9), 1.3, 1.0);
    QPainterPath grin;
    grin.moveTo(8.8, 14.4);
    grin.cubicTo(10.5, 15.0, 15.5, 15.0, 17.2, 14.4);
    grin.cubicTo(16.2, 18.6, 9.8, 18.6, 8.8, 14.4);
    grin.closeSubpath();
    FillOutlined(p, grin, QColor(170, 30, 40), kInk, 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10.3, 14.8, 5.4, 1.1));
}

void PaintSmiley(QPainter& p) {
    const QPointF c(8.5, 8.5);
    FillOutlined(p, Circle(c, 7.8), Sphere(c, 7.8, QColor(255, 214, 30)), QColor(110, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(6, 6.6), 1.1, 1.6);
    p.drawEllipse(QPointF(11, 6.6), 1.1, 1.6);
    p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.2, 4.5, 8.6, 8), -30 * 16, -120 * 16);
}

void PaintCross(QPainter& p) {
    QPainterPath lines;
    lines.moveTo(4.5, 4.5);
    lines.lineTo(13.5, 13.5);
    lines.moveTo(13.5, 4.5);
    lines.lineTo(4.5, 13.5);
    FillOutlined(p, Stroke(lines, 3.6), Diagonal(QRectF(3, 3, 12, 12), QColor(255, 110, 90), QColor(180, 10, 10)), QColor(70, 0, 0));
}

void PaintTick(QPainter& p) {
    QPainterPath line;
    line.moveTo(3.5, 9.5);
    line.lineTo(7.2, 13.5);
    line.lineTo(14.5, 4);
    FillOutlined(p, Stroke(line, 3.6), Diagonal(QRectF(3, 3, 12, 12), QColor(140, 240, 110), QColor(10, 130, 30)), QColor(0, 60, 10));
}

// Flags are built from whole-pixel rectangles so their stripes stay sharp; each gets a
// dark edge and a faint sheen from the top left.
void FlagFrame(QPainter& p, const QRect& outer) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(40, 40, 44));
    p.setBrush(Qt::NoBrush);
    p.drawRect(outer.adjusted(0, 0, -1, -1));
    QLinearGradient sheen(outer.topLeft(), outer.bottomRight());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 40));
    p.fillRect(outer.adjusted(1, 1, -1, -1), sheen);
    p.restore();
}

void PaintUsFlag(QPainter& p, const QRect& outer) {
    const QRect field = outer.adjusted(1, 1, -1, -1);  // 23 x 14
    const QColor red(200, 30, 46), blue(40, 52, 130);
    for (int i = 0; i < 7; ++i)
        p.fillRect(field.left(), field.top() + 2 * i, field.width(), 2, i % 2 == 0 ? red : Qt::white);
    const QRect canton(field.left(), field.top(), 10, 8);
    p.fillRect(canton, blue);
    for (int y = 1; y < canton.height() - 1; ++y)
        for (int x = 1; x < canton.width() - 1; ++x)
            if ((x + y) % 2 == 0 && y % 2 == 1)
                p.fillRect(canton.left() + x, canton.top() + y, 1, 1, QColor(240, 240, 255));
    FlagFrame(p, outer);
}

void PaintUkFlag(QPainter& p, const QRect& outer) {
    const QRectF field = QRectF(outer.adjusted(1, 1, -1, -1));
    p.save();
    p.setClipRect(field);
    p.fillRect(field, QColor(16, 40, 120));
    QPainterPath saltire;
    saltire.moveTo(field.topLeft());
    saltire.lineTo(field.bottomRight());
    saltire.moveTo(field.topRight());
    saltire.lineTo(field.bottomLeft());
    p.fillPath(Stroke(saltire, 3.6, Qt::SquareCap), Qt::white);
    p.fillPath(Stroke(saltire, 1.3, Qt::SquareCap), QColor(210, 20, 40));
    const QPointF c = field.center();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(c.x() - 2.5, field.top(), 5, field.height()), Qt::white);
    p.fillRect(QRectF(field.left(), c.y() - 2.5, field.width(), 5), Qt::white);
    p.fillRect(QRectF(c.x() - 1.5, field.top(), 3, field.height()), QColor(210, 20, 40));
    p.fillRect(QRectF(field.left(), c.y() - 1, field.width(), 2), QColor(210, 20, 40));
    p.restore();
    FlagFrame(p, outer);
}

void PaintTriband(QPainter& p, const QRect& outer, const QColor (&bands)[3]) {
    const QRect field = outer.adjusted(1, 1, -1, -1);
    const int heights[3] = {field.height() / 3, field.height() - 2 * (field.height() / 3),
                            field.height() / 3};
    int y = field.top();
    for (int i = 0; i < 3; ++i) {
        p.fillRect(field.left(), y, field.width(), heights[i], bands[i]);
        y += heights[i];
    }
    FlagFrame(p, outer);
}

void PaintSwissFlag(QPainter& p, const QRect& outer) {
    const QRect field = outer.adjusted(1, 1, -1, -1);  // 14 x 14
    p.fillRect(field, QColor(218, 30, 30));
    p.fillRect(field.left() + 6, field.top() + 3, 2, 8, Qt::white);
    p.fillRect(field.left() + 3, field.top() + 6, 8, 2, Qt::white);
    FlagFrame(p, outer);
}

void PaintEnglishFlags(QPainter& p) {
    PaintUsFlag(p, QRect(0, 2, 25, 16));
    PaintUkFlag(p, QRect(28, 2, 25, 16));
}

void PaintGermanFlags(QPainter& p) {
    const QColor austria[3] = {QColor(220, 30, 40), Qt::white, QColor(220, 30, 40)};
    const QColor germany[3] = {QColor(20, 20, 20), QColor(220, 0, 0), QColor(255, 204, 0)};
    PaintTriband(p, QRect(4, 2, 25, 16), austria);
    PaintTriband(p, QRect(32, 2, 25, 16), germany);
    PaintSwissFlag(p, QRect(60, 2, 16, 16));
}

using Motif = void (*)(QPainter&);

Motif MotifOf(Glyph id) {
    switch (id) {
    case Glyph::Mix: return PaintMix;
    case Glyph::Option: return PaintOption;
    case Glyph::Pause: return PaintPause;
    case Glyph::Sound: return PaintSound;
    case Glyph::Midi: return PaintMidi;
    case Glyph::HighScore: return PaintHighScore;
    case Glyph::Exit: return PaintExit;
    case Glyph::Zibbo: return PaintZibbo;
    case Glyph::Kolluk: return PaintKolluk;
    case Glyph::Pluf: return PaintPluf;
    case Glyph::Murvo: return PaintMurvo;
    case Glyph::Tongue: return PaintTongue;
    case Glyph::Help: return PaintHelp;
    case Glyph::Info: return PaintInfo;
    case Glyph::Brizzel: return PaintBrizzel;
    case Glyph::Smiley: return PaintSmiley;
    case Glyph::Cross: return PaintCross;
    case Glyph::Tick: return PaintTick;
    case Glyph::EnglishFlags: return PaintEnglishFlags;
    case Glyph::GermanFlags: return PaintGermanFlags;
    }
    return nullptr;
}

// The disabled look: the same motif in light, flat greys so it clearly recedes.
QImage Disabled(const QImage& normal) {
    QImage grey = normal.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb c = row[x];
            const int luma = (77 * qRed(c) + 150 * qGreen(c) + 29 * qBlue(c)) >> 8;
            const int v = 100 + luma * 55 / 100;
            row[x] = qRgba(v, v, v, qAlpha(c) * 85 / 100);
        }
    }
    return grey;
}

}  // namespace

const std::vector<GlyphLayout>& AllGlyphs() {
    static const std::vector<GlyphLayout> kAll = {
        {Glyph::Mix, "mix", 36, 18, 2},
        {Glyph::Option, "option", 18, 18, 1},
        {Glyph::Pause, "pause", 18, 18, 1},
        {Glyph::Sound, "sound", 32, 16, 2},
        {Glyph::Midi, "midi", 32, 16, 2},
        {Glyph::HighScore, "highscore", 18, 18, 1},
        {Glyph::Exit, "exit", 18, 18, 1},
        {Glyph::Zibbo, "zibbo", 20, 20, 1},
        {Glyph::Kolluk, "kolluk", 20, 20, 1},
        {Glyph::Pluf, "pluf", 20, 20, 1},
        {Glyph::Murvo, "murvo", 20, 20, 1},
        {Glyph::Tongue, "tongue", 15, 15, 1},
        {Glyph::Help, "help", 18, 18, 1},
        {Glyph::Info, "info", 18, 18, 1},
        {Glyph::Brizzel, "brizzel", 26, 20, 1},
        {Glyph::Smiley, "smiley", 17, 17, 1},
        {Glyph::Cross, "cross", 36, 18, 2},
        {Glyph::Tick, "tick", 36, 18, 2},
        {Glyph::EnglishFlags, "flags_en", 53, 20, 1},
        {Glyph::GermanFlags, "flags_de", 80, 20, 1},
    };
    return kAll;
}

const GlyphLayout& LayoutOf(Glyph id) {
    for (const GlyphLayout& info : AllGlyphs())
        if (info.id == id) return info;
    throw std::invalid_argument("unknown glyph");
}

QImage PaintGlyph(Glyph id, int scale) {
    const paint::ArtScaleScope density(scale > 0 ? scale : paint::ArtScale());
    const GlyphLayout& info = LayoutOf(id);
    const int cell = info.width / info.images;
    QImage normal = paint::Canvas(QSize(cell, info.height), QImage::Format_ARGB32_Premultiplied);
    normal.fill(Qt::transparent);
    {
        QPainter p(&normal);
        p.setRenderHint(QPainter::Antialiasing);
        MotifOf(id)(p);
    }
    QImage glyph = paint::Canvas(QSize(info.width, info.height), QImage::Format_ARGB32);
    glyph.fill(Qt::transparent);
    {
        QPainter p(&glyph);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, normal);
        if (info.images == 2) p.drawImage(cell, 0, Disabled(normal));
    }
    return glyph;
}

QImage PaintProgramIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 32-unit grid and scaled, so every size the desktop asks for is sharp.
    p.scale(size / 32.0, size / 32.0);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QLinearGradient red(0, 0, 32, 32);
    red.setColorAt(0.0, QColor(255, 110, 90));
    red.setColorAt(0.5, QColor(214, 30, 30));
    red.setColorAt(1.0, QColor(130, 8, 14));
    FillOutlined(p, tile, red, QColor(70, 0, 0));
    // Green ring.
    const QPointF c(16, 16);
    QPainterPath ring = Circle(c, 10.5).subtracted(Circle(c, 6.5));
    FillOutlined(p, ring, Diagonal(QRectF(5, 5, 22, 22), QColor(160, 255, 130), QColor(10, 120, 30)), QColor(0, 50, 10));
    // White arrow to the upper right, crossing the ring.
    QPainterPath shaft;
    shaft.moveTo(6.5, 25.5);
    shaft.lineTo(20, 12);
    QPainterPath arrow = Stroke(shaft, 3.6, Qt::RoundCap);
    arrow = arrow.united(Polygon({{26.5, 5.5}, {24.5, 16.5}, {15.5, 7.5}})).simplified();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 0, 0, 110));
    p.drawPath(arrow.translated(1.2, 1.4));
    FillOutlined(p, arrow, Diagonal(QRectF(6, 5, 21, 21), QColor(255, 255, 255), QColor(214, 220, 232)), QColor(40, 20, 20), 1.1);
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

void PaintBrizzelHead(QPainter& painter) { PaintBrizzel(painter); }

}  // namespace spindora
