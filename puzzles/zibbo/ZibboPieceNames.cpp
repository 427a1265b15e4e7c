// ZIBBO's dials in words: row, column and where the pointer points on a clock face.
#include "dialogs/Texts.h"
#include "rules/zibbo/ZibboRules.h"
#include "puzzles/PieceNames.h"

namespace spindora {

QString ZibboPlace(int dial, int tongue) {
    static constexpr TextPair kRows[3] = {
        {"obere Reihe", "top row"}, {"mittlere Reihe", "middle row"}, {"untere Reihe", "bottom row"}};
    static constexpr TextPair kColumns[3] = {
        {"linker ZIBBO", "left dial"}, {"mittlerer ZIBBO", "middle dial"}, {"rechter ZIBBO", "right dial"}};
    return Pick(kRows[dial / 3], tongue) + QStringLiteral(", ") + Pick(kColumns[dial % 3], tongue);
}

BoardWords ZibboWords(const zibbo::Position& position, int tongue) {
    static constexpr TextPair kDial{"%1: Zeiger auf %2", "%1: pointer at %2"};
    static constexpr TextPair kBriefs[zibbo::kDials] = {
        {"oben links", "top left"},   {"oben Mitte", "top middle"},   {"oben rechts", "top right"},
        {"Mitte links", "middle left"}, {"Mitte", "centre"},          {"Mitte rechts", "middle right"},
        {"unten links", "bottom left"}, {"unten Mitte", "bottom middle"}, {"unten rechts", "bottom right"}};
    BoardWords words;
    for (int k = 0; k < zibbo::kDials; ++k) {
        // The artwork turns the pointer clockwise by a twelfth per step, 11 upright.
        const int hour = (position.directions[k] + 1) % zibbo::kDirections;
        words.pieces.push_back({Pick(kDial, tongue)
                                    .arg(ZibboPlace(k, tongue), ClockDirection(2 * hour, tongue)),
                                {}, {}, Pick(kBriefs[k], tongue)});
    }
    words.targets = zibbo::kDials;
    return words;
}

}  // namespace spindora
