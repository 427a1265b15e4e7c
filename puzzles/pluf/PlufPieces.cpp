#include "puzzles/pluf/PlufPieces.h"

#include <QFont>
#include <QPainter>
#include <cmath>

#include "assets/PaintKit.h"
#include "puzzles/pluf/PlufArt.h"
#include "puzzles/pluf/PlufSheet.h"

namespace spindora::pluf {
namespace {

using paint::CentredText;
using paint::Diagonal;
using paint::DropShadow;
using paint::MouseStepMark;

// The plate's corners reach this far from its middle; the turntable under it is a little
// wider, and a turning plate with its shadow stays inside the window. Neighbouring
// windows overlap in thin slivers; the window is small enough that those slivers lie
// beyond the reach of every plate's sprite, so no plate can wipe a neighbour's shadow.
constexpr double kPlateRadius = 34.5;
constexpr double kWindowRadius = 36.2;
// Only pure turntable pixels may take the plate's shadow: beyond them lies cloth, which
// differs from plate to plate.
constexpr double kShadowReach = art::kTurntableRadius - 0.5;
constexpr double kButtonRadius = 7.6;

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

// Offsets of a pixel's middle from the middle of the plate's square.
// `pixel` is a logical place: on a dense picture it falls between whole numbers.
double FromCentre(double pixel) { return pixel + 0.5 - kPlateCentre; }

double Distance(double x, double y) { return std::hypot(FromCentre(x), FromCentre(y)); }

// The logical place of the device pixel (x, y) of a picture of `scale`.
double At(int pixel, int scale) { return paint::LogicalPixel(pixel, scale); }

void Put(QImage& sheet, const QRect& place, const QImage& part) {
    QPainter p(&sheet);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(place.topLeft(), part);
}

// The turntable as the board shows it under a plate, with nothing on it.
QImage EmptyTurntable() {
    QImage square = paint::Canvas(QSize(kPlateSize, kPlateSize), QImage::Format_ARGB32_Premultiplied);
    const int s = paint::ScaleOf(square);
    for (int y = 0; y < square.height(); ++y)
        for (int x = 0; x < square.width(); ++x)
            square.setPixel(x, y, Distance(At(x, s), At(y, s)) <= kShadowReach
                                      ? art::TurntablePixel(FromCentre(At(x, s)), FromCentre(At(y, s)))
                                      : 0u);
    return square;
}

// Plate image and mask of one phase. The plate is drawn with its shadow onto the very
// turntable pixels it will land on, so the sprite carries the shade and the mask takes
// in every pixel that the plate changes.
struct PhaseSprite {
    QImage image, mask;
};
PhaseSprite PlatePhaseSprite(int phase) {
    const QImage empty = EmptyTurntable();
    QImage drawn = empty;
    const QPointF centre(kPlateCentre, kPlateCentre);
    const double degrees = 15.0 * phase;
    {
        QPainter p(&drawn);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipPath(paint::Circle(centre, kShadowReach));
        DropShadow(p, art::Hexagon(centre, kPlateRadius, degrees), QPointF(1.6, 2.2), 1, 170);
        p.setClipping(false);
        art::PaintPlate(p, centre, kPlateRadius, degrees);
        for (int j = 0; j < kSlots; ++j) {
            const Offset offset = ButtonOffsets[phase][j];
            art::PaintSocket(p, centre + QPointF(offset.dx, offset.dy), kButtonRadius + 1.4);
        }
    }
    QImage image = paint::Canvas(QSize(kPlateSize, kPlateSize));
    QImage mask = paint::Canvas(QSize(kPlateSize, kPlateSize));
    const int s = paint::ScaleOf(image);
    // A denser sprite covers just the pixels the 1:1 one covers: the faint end of the
    // shadow falls differently at each density, and a plate must not wipe more of the
    // board on a dense screen.
    QImage oneToOneMask;
    if (s > 1) {
        const paint::ArtScaleScope plain(1);
        oneToOneMask = PlatePhaseSprite(phase).mask;
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb now = drawn.pixel(x, y);
            const bool changed =
                s > 1 ? oneToOneMask.pixel(x / s, y / s) == kBlack
                      : Distance(At(x, s), At(y, s)) <= kShadowReach && now != empty.pixel(x, y);
            image.setPixel(x, y, changed ? (now | kBlack) : kBlack);
            mask.setPixel(x, y, changed ? kBlack : kWhite);
        }
    return {image, mask};
}

void PaintPlatePhase(QImage& sheet, int phase) {
    const PhaseSprite sprite = PlatePhaseSprite(phase);
    Put(sheet, PlateImage(phase), sprite.image);
    Put(sheet, PlateMask(phase), sprite.mask);
}

void PaintWindows(QImage& sheet) {
    QImage inner = paint::Canvas(QSize(kPlateSize, kPlateSize));
    QImage outer = paint::Canvas(QSize(kPlateSize, kPlateSize));
    const int s = paint::ScaleOf(inner);
    for (int y = 0; y < inner.height(); ++y)
        for (int x = 0; x < inner.width(); ++x) {
            const bool covered = Distance(At(x, s), At(y, s)) <= kWindowRadius;
            inner.setPixel(x, y, covered ? kWhite : kBlack);
            outer.setPixel(x, y, covered ? kBlack : kWhite);
        }
    Put(sheet, kInnerWindow, inner);
    Put(sheet, kOuterWindow, outer);
}

void PaintButtons(QImage& sheet) {
    Put(sheet, kButtonMask, paint::RoundMask(kButtonSize, kButtonRadius));
    // Painted a little wider than the mask, so the cut edge lands on the button's own rim.
    for (int colour = 0; colour < kButtonColours; ++colour)
        Put(sheet, ButtonImage(colour), paint::RoundSprite(kButtonSize, kButtonRadius, [colour](QPainter& p) {
                const double middle = kButtonSize / 2.0;
                art::PaintButton(p, QPointF(middle, middle), kButtonRadius + 0.3, colour);
            }));
}

// ---------------------------------------------------------------------------------------
// The level button: a level figure and a colour-setting figure side by side on a cream
// face, each led by the mouse button that steps it.

const QColor kInk(100, 58, 16);
const QColor kLit = paint::kMouseLit;

// The cream face of one figure with the mark of the mouse button that steps it: the left
// button for the level, the right one for the colours.
QImage Figure(int width, bool level) {
    QImage figure = paint::Canvas(QSize(width, 30));
    QPainter p(&figure);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face(0, 0, width, 30);
    QLinearGradient cream(face.topLeft(), face.bottomLeft());
    cream.setColorAt(0.0, QColor(255, 250, 228));
    cream.setColorAt(1.0, QColor(236, 216, 166));
    p.fillRect(face, cream);
    // A groove where the two figures meet.
    p.setPen(QPen(QColor(176, 140, 84), 1.0));
    const double x = level ? face.right() - 0.5 : face.left() + 0.5;
    p.drawLine(QPointF(x, face.top()), QPointF(x, face.bottom()));
    MouseStepMark(p, QRectF(1.5, 3.0, 9.0, 24.0), level, kInk, kLit, QStringLiteral("+"));
    return figure;
}

QImage LevelFigure(int level) {
    QImage figure = Figure(30, true);
    QPainter p(&figure);
    p.setRenderHint(QPainter::Antialiasing);
    // The level on a small plate, since the level tells how many plates are in play, and
    // under it one bar for each level, lit up to this one.
    const QPointF middle(20.5, 10.5);
    art::PaintPlate(p, middle, 8.5, 0.0);
    // The plate's hub would strike through the numeral; the figure's plate has none.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 234, 206));
    p.drawEllipse(middle, 2.6, 2.6);
    paint::PaintLevelNumber(p, middle + QPointF(0, 0.3), level, 12);
    paint::PaintLevelBars(p, QPointF(13.5, 28.0), kLevels, 2.6, 3.8, 2.5, 1.4, level);
    return figure;
}

QImage ColourFigure(int setting) {
    QImage figure = Figure(20, false);
    QPainter p(&figure);
    p.setRenderHint(QPainter::Antialiasing);
    // One dot per colour in play, so the count reads without telling colours apart.
    const int colours = setting + 1;
    const int tints[6] = {2, 13, 31, 9, 4, 26};
    const double pitch = 4.6, top = 15.0 - pitch * (colours - 1) / 2.0;
    for (int i = 0; i < colours; ++i) {
        const QPointF at(15.2, top + pitch * i);
        p.setPen(QPen(QColor(40, 24, 10), 0.8));
        p.setBrush(paint::Sphere(at, 2.1, art::ButtonColour(tints[i])));
        p.drawEllipse(at, 2.0, 2.0);
    }
    return figure;
}

void PaintFigures(QImage& sheet) {
    for (int level = 1; level <= kLevels; ++level) Put(sheet, pluf::LevelFigure(level), LevelFigure(level));
    for (int setting = 1; setting <= kColourSettings; ++setting)
        Put(sheet, pluf::ColourFigure(setting), ColourFigure(setting));
}

}  // namespace

void PaintPlufPieces(QImage& sheet) {
    for (int phase = 0; phase < kPhases; ++phase) PaintPlatePhase(sheet, phase);
    PaintWindows(sheet);
    PaintButtons(sheet);
    PaintFigures(sheet);
}

}  // namespace spindora::pluf
