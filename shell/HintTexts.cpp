#include "shell/HintTexts.h"

#include <QPoint>
#include <cmath>
#include <set>

#include "dialogs/Texts.h"
#include "puzzles/murvo/Layout.h"
#include "puzzles/murvo/Moves.h"
#include "puzzles/pluf/PlufRules.h"
#include "shell/PuzzleDescriptors.h"

namespace spindora {
namespace {

QString ZibboName(int target, int tongue) {
    static constexpr TextPair kDial{"der %1 ZIBBO der %2 Reihe", "the %1 dial of the %2 row"};
    static constexpr TextPair kColumns[] = {{"linke", "left"}, {"mittlere", "middle"}, {"rechte", "right"}};
    static constexpr TextPair kRows[] = {{"oberen", "top"}, {"mittleren", "middle"}, {"unteren", "bottom"}};
    return Pick(kDial, tongue).arg(Pick(kColumns[target % 3], tongue), Pick(kRows[target / 3], tongue));
}

QString KollukName(int target, int tongue) {
    static constexpr TextPair kRings[] = {{"der obere Ring", "the upper ring"},
                                          {"der linke untere Ring", "the lower left ring"},
                                          {"der rechte untere Ring", "the lower right ring"}};
    return Pick(kRings[target], tongue);
}

// By its column among the plates in play, counted from the left, and its place in that
// column, counted from the top.
QString PlufName(int level, int target, int tongue) {
    static constexpr TextPair kPlate{"die %1 Scheibe von oben in der %2 Spalte",
                                     "the %1 plate from the top in the %2 column"};
    static constexpr TextPair kFromTop[] = {{"erste", "first"}, {"zweite", "second"}, {"dritte", "third"},
                                            {"vierte", "fourth"}};
    static constexpr TextPair kColumns[] = {{"ersten", "first"},   {"zweiten", "second"}, {"dritten", "third"},
                                            {"vierten", "fourth"}, {"fünften", "fifth"},  {"sechsten", "sixth"},
                                            {"siebten", "seventh"}};
    const pluf::GridPlace place = pluf::GridPlaces[target];
    std::set<int> columns;
    int above = 0;
    for (int p = 0; p < pluf::PlatesInPlay(level); ++p) {
        const pluf::GridPlace other = pluf::GridPlaces[p];
        columns.insert(other.column);
        if (other.column == place.column && other.row < place.row) ++above;
    }
    const auto column = std::distance(columns.begin(), columns.find(place.column));
    return Pick(kPlate, tongue).arg(Pick(kFromTop[above], tongue), Pick(kColumns[column], tongue));
}

// By its shape, how far out it lies, and its direction from the middle as on a clock face.
QString MurvoName(int level, int target, int tongue) {
    static constexpr TextPair kHexagon{"das Sechseck in der Mitte", "the hexagon in the centre"};
    static constexpr TextPair kRhombus{"die %1 Raute %2", "the %1 rhombus %2"};
    static constexpr TextPair kTriangle{"das %1 Dreieck %2", "the %1 triangle %2"};
    static constexpr TextPair kInner{"innere", "inner"};
    static constexpr TextPair kOuter{"äußere", "outer"};
    static constexpr TextPair kAt{"bei %1 Uhr", "at %1 o'clock"};
    static constexpr TextPair kBetween{"zwischen %1 und %2 Uhr", "between %1 and %2 o'clock"};
    const int ring = murvo::OfferedRings(level)[static_cast<size_t>(target)];
    const int size = murvo::RingAt(ring).size;
    if (size == 6) return Pick(kHexagon, tongue);
    const QPoint spot = murvo::HotSpot(ring);
    // The inner rhombi and triangles lie 54 to 62 pixels out, the outer ones 74 and more.
    const bool inner = std::hypot(spot.x(), spot.y()) < 68;
    constexpr double kPi = 3.14159265358979;
    const double hours = std::fmod(std::atan2(spot.x(), -spot.y()) * 6 / kPi + 12, 12);
    const auto hour = [](int h) { return QString::number(h % 12 == 0 ? 12 : h % 12); };
    const int nearest = static_cast<int>(std::lround(hours));
    const QString clock = std::abs(hours - nearest) < 0.1
                              ? Pick(kAt, tongue).arg(hour(nearest))
                              : Pick(kBetween, tongue).arg(hour(static_cast<int>(hours)), hour(static_cast<int>(hours) + 1));
    return Pick(size == 4 ? kRhombus : kTriangle, tongue).arg(Pick(inner ? kInner : kOuter, tongue), clock);
}

}  // namespace

QString SearchingHintText(int tongue) {
    static constexpr TextPair kSearching{"Tipp: wird gesucht …", "Hint: looking for the next move…"};
    return Pick(kSearching, tongue);
}

QString MoveHintText(Mode mode, const LevelSettings& levels, TargetPress press, int tongue) {
    static constexpr TextPair kHint{"Tipp: %1, %2", "Hint: %1, %2"};
    static constexpr TextPair kLeft{"linke Maustaste", "left button"};
    static constexpr TextPair kRight{"rechte Maustaste", "right button"};
    return Pick(kHint, tongue).arg(PressTargetName(mode, levels, press.target, tongue),
                                   Pick(press.button == MouseButton::Left ? kLeft : kRight, tongue));
}

QString PressTargetName(Mode mode, const LevelSettings& levels, int target, int tongue) {
    const int level = levels.*Describe(mode).level;
    switch (mode) {
    case kZibbo: return ZibboName(target, tongue);
    case kKolluk: return KollukName(target, tongue);
    case kPluf: return PlufName(level, target, tongue);
    default: return MurvoName(level, target, tongue);
    }
}

}  // namespace spindora
