// KOLLUK in words: each ring, and each place with the ball on it and the platform under it.
#include <QStringList>

#include "dialogs/Texts.h"
#include "puzzles/kolluk/KollukSheet.h"
#include "puzzles/kolluk/KollukTables.h"
#include "puzzles/PieceNames.h"

namespace spindora {
namespace {

// The words for the thirteen colours and the mark each ball and platform of that colour
// carries (the sheet's palette and marks, colour 1 first).
constexpr TextPair kColours[kolluk::kColours] = {
    {"rot", "red"},          {"blau", "blue"},         {"gelb", "yellow"},  {"grün", "green"},
    {"orange", "orange"},    {"lila", "purple"},       {"himmelblau", "sky blue"},
    {"rosa", "pink"},        {"braun", "brown"},       {"hellgrün", "lime"},
    {"silbern", "silver"},   {"weiß", "white"},        {"schwarz", "black"},
};
constexpr TextPair kMarks[kolluk::kColours] = {
    {"Punkt", "dot"},         {"Quadrat", "square"},      {"Dreieck", "triangle"},
    {"Raute", "diamond"},     {"Plus", "plus"},           {"Kreuz", "cross"},
    {"Stern", "star"},        {"Herz", "heart"},          {"drei Punkte", "three dots"},
    {"Zickzack", "zigzag"},   {"Mondsichel", "crescent"}, {"Sanduhr", "hourglass"},
    {"zwei Balken", "two bars"},
};
constexpr TextPair kRings[kolluk::kRings] = {
    {"oberer Ring", "upper ring"}, {"linker unterer Ring", "lower left ring"},
    {"rechter unterer Ring", "lower right ring"}};
// A place's spot on a ring, clockwise from the top as the rings list their places.
constexpr TextPair kSpots[kolluk::kRingLength] = {
    {"oben", "top"},   {"rechts oben", "upper right"}, {"rechts unten", "lower right"},
    {"unten", "bottom"}, {"links unten", "lower left"},  {"links oben", "upper left"}};

QString PlaceState(const kolluk::Position& position, int level, int place, int tongue) {
    static constexpr TextPair kState{"Ball %1 (%2), Plattform %3", "ball %1 (%2), platform %3"};
    const int ball = position.balls[place] - 1;
    return Pick(kState, tongue)
        .arg(Pick(kColours[ball], tongue), Pick(kMarks[ball], tongue),
             Pick(kColours[kolluk::LevelLayouts[level - 1][place] - 1], tongue));
}

}  // namespace

QString KollukPlace(int ring, int tongue) { return Pick(kRings[ring], tongue); }

BoardWords KollukWords(const kolluk::Position& position, int level, int tongue) {
    static constexpr TextPair kAlong{"im Uhrzeigersinn von oben: %1", "clockwise from the top: %1"};
    BoardWords words;
    for (int r = 0; r < kolluk::kRings; ++r) {
        QStringList balls;
        for (const int place : kolluk::Rings[r]) balls << PlaceState(position, level, place, tongue);
        words.pieces.push_back(
            {KollukPlace(r, tongue), Pick(kAlong, tongue).arg(balls.join(QStringLiteral("; "))), {}, {}});
    }
    words.targets = kolluk::kRings;
    for (int place = 0; place < kolluk::kPlaces; ++place) {
        // A place that two or three rings share is named on each of them.
        QStringList where;
        for (int r = 0; r < kolluk::kRings; ++r)
            for (int j = 0; j < kolluk::kRingLength; ++j)
                if (kolluk::Rings[r][j] == place)
                    where << Pick(kRings[r], tongue) + QLatin1Char(' ') + Pick(kSpots[j], tongue);
        words.pieces.push_back({where.join(QStringLiteral(", ")) + QStringLiteral(": ") +
                                    PlaceState(position, level, place, tongue),
                                {},
                                QRect(kolluk::PlaceOrigin[place], QSize(kolluk::kPlatformSize, kolluk::kPlatformSize)),
                                {}});
    }
    return words;
}

}  // namespace spindora
