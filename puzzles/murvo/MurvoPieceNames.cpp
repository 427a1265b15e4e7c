// MURVO in words: each ring a press turns, and each disc by its ring and place, its colour
// and symbol, and what the pattern wants there.
#include <QStringList>

#include "dialogs/Texts.h"
#include "puzzles/murvo/Layout.h"
#include "puzzles/murvo/MurvoSheet.h"
#include "rules/murvo/Moves.h"
#include "rules/murvo/Position.h"
#include "puzzles/PieceNames.h"

namespace spindora {
namespace {

// The words for the sheet's six hues (by sprite row) and the symbol each carries.
constexpr TextPair kHues[murvo::kRows] = {{"rot", "red"},     {"gelb", "yellow"}, {"grün", "green"},
                                          {"türkis", "turquoise"}, {"blau", "blue"}, {"magenta", "magenta"}};
constexpr TextPair kSymbols[murvo::kRows] = {{"Dreieck", "triangle"}, {"Stern", "star"},
                                             {"Plus", "plus"},         {"Ring", "ring"},
                                             {"Mondsichel", "crescent"}, {"Quadrat", "square"}};
// Variants 0 to 2: the middle tone, the light one, and the deep one with its rim.
constexpr TextPair kTones[murvo::kVariants] = {
    {"%1", "%1"}, {"hell%1", "light %1"}, {"dunkel%1 mit Rand", "dark %1 with a rim"}};

struct PlaceRing {
    int first, last;
    TextPair name;
};
constexpr PlaceRing kPlaceRings[3] = {{1, 6, {"innerer Ring", "inner ring"}},
                                      {7, 18, {"mittlerer Ring", "middle ring"}},
                                      {19, 36, {"äußerer Ring", "outer ring"}}};

QString Disc(const murvo::Position& position, uint8_t code, int tongue) {
    const int row = position.SpriteRow(code);
    return Pick(kTones[murvo::VariantOf(code)], tongue).arg(Pick(kHues[row], tongue)) +
           QStringLiteral(" (%1)").arg(Pick(kSymbols[row], tongue));
}

QString DiscState(const murvo::Position& position, int level, int place, int tongue) {
    static constexpr TextPair kMatches{"%1, passt zum Muster", "%1, matches the pattern"};
    static constexpr TextPair kWants{"%1, Muster will %2", "%1, pattern wants %2"};
    const uint8_t here = position.board[place - 1], wanted = position.Pattern(level)[place - 1];
    const QString disc = Disc(position, here, tongue);
    return here == wanted ? Pick(kMatches, tongue).arg(disc)
                          : Pick(kWants, tongue).arg(disc, Disc(position, wanted, tongue));
}

QString PlaceName(int place, int tongue) {
    static constexpr TextPair kPlace{"%1, Platz %2 von %3", "%1, place %2 of %3"};
    for (const PlaceRing& ring : kPlaceRings) {
        if (place < ring.first || place > ring.last) continue;
        // Counted clockwise from the top, as a player walks round the ring.
        int rank = 1;
        for (int other = ring.first; other <= ring.last; ++other)
            if (TurnOf(murvo::PlaceOffset(other)) < TurnOf(murvo::PlaceOffset(place))) ++rank;
        return Pick(kPlace, tongue).arg(Pick(ring.name, tongue)).arg(rank).arg(ring.last - ring.first + 1);
    }
    return {};
}

QString RingName(int ring, bool outerInPlay, int tongue) {
    static constexpr TextPair kHexagon{"Sechseck in der Mitte", "hexagon in the middle"};
    static constexpr TextPair kShapes[2] = {{"Dreieck", "triangle"}, {"Raute", "rhombus"}};
    static constexpr TextPair kAt{"%1 bei %2", "%1 at %2"};
    static constexpr TextPair kReach[2] = {{"innen", "inner"}, {"außen", "outer"}};
    const murvo::Ring& places = murvo::RingAt(ring);
    if (places.size == 6) return Pick(kHexagon, tongue);
    QString name = Pick(kAt, tongue).arg(Pick(kShapes[places.size - 3], tongue),
                                          ClockDirection(HalfHoursOf(murvo::HotSpot(ring)), tongue));
    // With the outer ring in play, a rhombus next to the hexagon and one beyond it can
    // point the same way.
    if (outerInPlay) {
        bool outer = false;
        for (int k = 0; k < places.size; ++k) outer = outer || places.places[k] > kPlaceRings[1].last;
        name += QStringLiteral(", ") + Pick(kReach[outer], tongue);
    }
    return name;
}

}  // namespace

QString MurvoPlace(int level, int target, int tongue) {
    return RingName(murvo::OfferedRings(level)[static_cast<size_t>(target)],
                    murvo::PlacesInPlay(level) > kPlaceRings[1].last, tongue);
}

BoardWords MurvoWords(const murvo::Position& position, int level, int tongue) {
    const int places = murvo::PlacesInPlay(level);
    QStringList discs;
    for (int place = 1; place <= places; ++place)
        discs << PlaceName(place, tongue) + QStringLiteral(": ") + DiscState(position, level, place, tongue);
    BoardWords words;
    for (const uint8_t ring : murvo::OfferedRings(level)) {
        const murvo::Ring& m = murvo::RingAt(ring);
        QStringList turned;
        for (int k = 0; k < m.size; ++k) turned << discs[m.places[k] - 1];
        words.pieces.push_back(
            {MurvoPlace(level, static_cast<int>(words.pieces.size()), tongue), turned.join(QStringLiteral("; ")), {},
             {}});
    }
    words.targets = static_cast<int>(words.pieces.size());
    for (int place = 1; place <= places; ++place)
        words.pieces.push_back({discs[place - 1], {},
                                QRect(murvo::DiscCorner(murvo::PlaceOffset(place)), QSize(murvo::kDiscSize, murvo::kDiscSize)),
                                {}});
    return words;
}

}  // namespace spindora
