#pragma once
// Drawing helpers shared by everything that paints artwork at build time: the board
// sheets, the dialog background and the button glyphs. All of it is deterministic, so a
// picture comes out the same, byte for byte, on every build.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPointF>
#include <QRadialGradient>
#include <QRectF>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <numbers>
#include <type_traits>
#include <vector>

#include <QImage>

#include "assets/ValueNoise.h"
#include "assets/VectorState.h"

class QPainter;

namespace spindora::paint {

// The lit button of the mouse on the rules cards and level buttons, in the level buttons'
// orange; ZIBBO's card lights it a brighter orange, and MURVO's right button is blue. The
// hint's sign lights the button to press in the same colours.
inline constexpr QColor kMouseLit(236, 120, 30);
inline constexpr QColor kZibboMouseLit(255, 140, 40);
inline constexpr QColor kMurvoRightMouseLit(40, 120, 220);

inline constexpr double kPi = std::numbers::pi;

// The density the pictures are painted at: device pixels per logical pixel. Painters work
// in logical pixels throughout; only the pictures they make hold more pixels. 1 unless an
// ArtScaleScope is alive.
int ArtScale();
class ArtScaleScope {
public:
    explicit ArtScaleScope(int scale);
    ~ArtScaleScope();
    ArtScaleScope(const ArtScaleScope&) = delete;
    ArtScaleScope& operator=(const ArtScaleScope&) = delete;

private:
    int previous_;
};
// A picture of `logical` size at the art scale, ready for a painter in logical pixels.
QImage Canvas(QSize logical, QImage::Format format = QImage::Format_RGB32);
// The logical place of device pixel `pixel` of a picture of `scale`, as an integer pixel
// place is used at 1:1 (so its middle lies half a pixel further on).
constexpr double LogicalPixel(int pixel, int scale) { return (pixel + 0.5) / scale - 0.5; }
// Device pixels per logical pixel of a picture made by Canvas.
int ScaleOf(const QImage& picture);
// The logical places across of the device pixel columns of `picture`, a picture of a board
// from the board's logical pixel `origin` on. They are worked out from the board's device
// pixels, so a picture of part of a board holds exactly what one of the whole board holds
// there.
std::vector<double> LogicalColumns(const QImage& picture, QPoint origin = {});
// Sets every device pixel of an RGB32 `picture` (from `origin`, as above) to
// `colourAt(x, y)` at its logical place, so textures worked out per pixel come out the same
// at every density. A `colourAt(x, y, column)` is also told the pixel's column, for what it
// worked out once per column.
template <typename ColourAt>
void FillByLogicalPixel(QImage& picture, ColourAt colourAt, QPoint origin = {}) {
    const int scale = ScaleOf(picture);
    const std::vector<double> columns = LogicalColumns(picture, origin);
    ClearUpperVectorHalves();
    for (int py = 0; py < picture.height(); ++py) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(py));
        const double y = LogicalPixel(origin.y() * scale + py, scale);
        for (int px = 0; px < picture.width(); ++px) {
            const double x = columns[static_cast<size_t>(px)];
            if constexpr (std::is_invocable_v<ColourAt, double, double, int>)
                row[px] = colourAt(x, y, px);
            else
                row[px] = colourAt(x, y);
        }
    }
}
// The part of `picture` under a logical rectangle, at the picture's density.
QImage CopyLogical(const QImage& picture, const QRect& logical);

constexpr double Radians(double degrees) { return degrees * kPi / 180.0; }

// Point at `radians` on the circle; screen angles, so positive turns clockwise.
QPointF PointOnCircle(QPointF centre, double radius, double radians);

// 0 below edge0, 1 above edge1 and an S-curve between, so blends have no visible seam.
double SmoothStep(double edge0, double edge1, double x);

// Packed-pixel colour arithmetic for per-pixel loops: channels are rounded to whole
// values and the result is opaque.
QRgb Blend(QRgb a, QRgb b, double t);
QRgb Shade(QRgb colour, double factor);

// Blends at QColor's full precision; t is clamped to 0..1. Not interchangeable with Blend:
// the two round differently, and each picture was drawn with the one it uses.
QColor Mix(const QColor& a, const QColor& b, double t);
// Mix(a, b, t).rgb() for the many t of a per-pixel loop, without a QColor for each: the
// same steps at the same precision, so the same pixels.
class ColourRamp {
public:
    ColourRamp(const QColor& a, const QColor& b);
    QRgb At(double t) const;

private:
    double from_[3], span_[3];
};

// Blurs the alpha of a premultiplied ARGB image and leaves it black: a shadow mask.
void BlurAlpha(QImage& image, int radius);

// Casts a blurred shadow of `shape` onto the painter's device, moved by `offset`; the
// artwork is lit from the top left, so offsets point down and to the right.
void DropShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, int blur,
                int alpha);

// Round caps and joins keep thin outlines from growing spurs at sharp corners.
void FillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                  const QColor& outline, double width = 1.0);

// Strokes a halo first and fills over it, so only the outer half of the halo shows and
// thin lettering keeps its full weight. Leaves the painter with no pen and `fill`.
void FillWithHalo(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                  const QColor& halo, double haloWidth);

QPainterPath Circle(QPointF centre, double radius);
// A closed outline through the corners in order.
QPainterPath Polygon(std::initializer_list<QPointF> corners);
// The area a pen of `width` would cover along the centre line, as a fillable outline.
QPainterPath Stroke(const QPainterPath& centreLine, double width,
                    Qt::PenCapStyle cap = Qt::RoundCap);
// An arc with an arrow head at its end; angles in degrees, screen angles clockwise from
// three o'clock.
QPainterPath ArcArrow(QPointF centre, double radius, double from, double to, double width,
                      double head);
// Text as an outline whose bounding box is centred on `centre`.
QPainterPath CentredText(const QFont& font, const QString& text, QPointF centre);

// A ball of `base` colour lit from the top left.
QRadialGradient Sphere(QPointF centre, double radius, const QColor& base);
// Light at the top left corner of the box, dark at the bottom right.
QLinearGradient Diagonal(const QRectF& box, const QColor& light, const QColor& dark);

// What a mouse button does to a level: a small mouse with its left (or right) button lit,
// and under it "+" (or "-"). Every level button carries one of each, left-button mark on
// the left, so a player reads "left click raises, right click lowers" (or whatever word
// `sign` gives). `area` should be about 11 wide and 24 high; `ink` draws outline and sign.
void MouseStepMark(QPainter& painter, const QRectF& area, bool leftButton, const QColor& ink,
                   const QColor& lit, const QString& sign);

// The finish every board shares, so the four boards read as one set.
// Walnut over the whole image: long, gently warped fibres.
void PaintWood(QImage& board);
// The bevelled rim of a board of `size`, light at the top left, with an inlaid brass line
// `kBoardFrame` pixels in.
inline constexpr int kBoardFrame = 7;
void PaintBoardFrame(QPainter& painter, QSize size);
// Cast gold for a board's title; the caller casts the shadow first.
void FillGoldLetters(QPainter& painter, const QPainterPath& letters);
// A raised cream plaque in a brass rim with its shadow: the face of every level button.
void PaintPlaque(QPainter& painter, const QRectF& plaque, double radius);
// The cream card with its inner line and shadow that every rules drawing sits on.
void PaintRulesCard(QPainter& painter, const QRectF& card);

// A baize of a board's own colour: its shadow and lamp-lit shades, and the lamp's pool of
// light (centre and reach). `seed` gives each cloth a nap of its own.
struct Cloth {
    QColor dark, light;
    QPointF lamp;
    double reach;
    std::uint32_t seed;
};
// A brush of the cloth's texture for a painter in board coordinates, made at the art scale
// for `area` alone: it repeats beyond, so what it fills must lie within.
QBrush ClothBrush(const QRect& area, const Cloth& cloth);
// A recess cut into the wood: its inner walls shade the top and left of `hole`, and a
// dark line marks the cut.
void SinkIntoWood(QPainter& painter, const QPainterPath& hole);
// Cloth of `shape` laid into the wood, sunk; a rectangle also gets a lit lip along its
// lower and right edges.
void PaintCloth(QPainter& painter, const QPainterPath& shape, const Cloth& cloth);
void PaintCloth(QPainter& painter, const QRect& area, const Cloth& cloth);
// Polished brass lit from the top left across `box`: rims, rails and rings.
QLinearGradient Brass(const QRectF& box);
// A board's name: shadow, then cast gold.
void PaintGoldTitle(QPainter& painter, const QPainterPath& letters);
// The brass rule under a board's name, fading out at both ends.
void PaintTitleRule(QPainter& painter, double left, double right, double y);
// A card of any outline, for a rules drawing that must make room for something.
void PaintRulesCard(QPainter& painter, const QPainterPath& card);
// A mouse for a rules card, with its left (or right) button pressed in `lit`.
void PaintRulesMouse(QPainter& painter, const QRectF& body, bool leftButton, const QColor& lit);
// A green tick along `centreLine`: "this is right".
void PaintTick(QPainter& painter, const QPainterPath& centreLine, double width);
// Rising bars from green to red, the common picture for "how hard": `count` bars of `width`
// standing on `bottomLeft`, `pitch` apart, rising from `firstHeight` by `step`. Only
// the first `lit` bars glow; the rest stand dark, so a row of them reads as a meter showing
// how far the player has climbed (all of them when `lit` is left out).
void PaintLevelBars(QPainter& painter, QPointF bottomLeft, int count, double width, double pitch,
                    double firstHeight, double step, int lit = -1);
// The two mouse marks of a level button at the inner sides of its `face`: left click "+",
// right click "-".
void PaintLevelMarks(QPainter& painter, const QRectF& face, double inset, double markWidth,
                     double markHeight);
// The one face of the level numerals on every board, the drawn ones and the one ZIBBO
// prints at run time alike, so the four boards read as one set.
QFont LevelNumeralFont(int pixelSize);
// A level's number in black, centred on `centre`.
void PaintLevelNumber(QPainter& painter, QPointF centre, int level, int pixelSize);

// The bold sans face of every board's lettering, at `pixelSize`.
QFont BoldSans(int pixelSize);
// Walnut over a whole board of `size`, framed by its bevelled rim.
QImage WoodenBoard(QSize size);
// A black sheet of `size` with `board` in its top-left corner, ready for the sprites.
QImage SheetWithBoard(QSize size, const QImage& board);
// Where a board's name put the round piece that stands in for its "O", and how far the
// whole name reaches, for the rule under it.
struct TitlePlace {
    QPointF piece;
    double pieceRadius;
    double left, right;
};
// A board's name in gold, `head` before its round piece and `tail` after it, centred on
// `centreX` and standing on `baseline`; both cast their shadows. The piece is a little
// taller than the capitals (by `grow` at each end); the caller paints it at the place
// returned.
TitlePlace PaintGoldTitle(QPainter& painter, const QFont& font, const QString& head,
                          const QString& tail, double centreX, double baseline, double grow);

// What a piece's symbol looks like at a glance, whatever its exact outline: two symbols of
// one family (a triangle up and one down, a plus and a cross) can be mistaken for each other
// at a few pixels, two of different families cannot. Where two colours of a set run together
// for a colour-blind player, their symbols must come from different families.
enum class ShapeFamily {
    Disc, Ring, Square, Diamond, Triangle, Cross, Star, Heart, Crescent, Hourglass, Bars,
    Dots, Chevron, Zigzag, Angle, Fork, Arrow
};

// Round pieces are drawn by OR-ing a sprite over the board where a mask is black. Both are
// cut from the circle of `radius` about the middle of a `size` square, so they agree.
bool InsideRound(int size, double radius, int x, int y);
bool InsideRound(int size, double radius, double x, double y);
// Black inside the circle, white outside.
QImage RoundMask(int size, double radius);
// What `paint` draws on a black square, cut to the circle: black outside, so the OR leaves
// no fringe, and never pure black inside, so the picture alone shows the mask's shape.
QImage RoundSprite(int size, double radius, const std::function<void(QPainter&)>& paint);

}  // namespace spindora::paint
