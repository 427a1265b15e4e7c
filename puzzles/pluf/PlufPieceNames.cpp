// PLUF in words: each plate by its column and its place in it, its six buttons clockwise
// from the top, and how many of its neighbours it already matches.
#include <QStringList>
#include <algorithm>

#include "dialogs/Texts.h"
#include "rules/pluf/PlateTable.h"
#include "rules/pluf/PlufRules.h"
#include "puzzles/PieceNames.h"

namespace spindora {
namespace {

// The words for the sheet's forty-two button colours and the mark each carries, colour 0
// first.
constexpr TextPair kColours[pluf::kButtonColours] = {
    {"petrol", "petrol"},         {"kupfer", "copper"},         {"rot", "red"},
    {"schiefergrau", "slate"},    {"himmelblau", "sky blue"},   {"tannengrün", "fir green"},
    {"blassgrün", "pale green"},  {"rosa", "pink"},             {"magenta", "magenta"},
    {"grün", "green"},            {"dunkelbraun", "dark brown"}, {"oliv", "olive"},
    {"limette", "lime"},          {"blau", "blue"},             {"pfirsich", "peach"},
    {"orange", "orange"},         {"dunkeloliv", "dark olive"}, {"karmin", "crimson"},
    {"eisblau", "ice blue"},      {"pflaume", "plum"},          {"azur", "azure"},
    {"blaugrün", "teal"},         {"hellgrün", "light green"},  {"aquamarin", "aquamarine"},
    {"lavendel", "lavender"},     {"graugrün", "grey green"},   {"violett", "violet"},
    {"lachs", "salmon"},          {"marineblau", "navy"},       {"rosenholz", "rosewood"},
    {"khaki", "khaki"},           {"goldgelb", "golden yellow"}, {"terrakotta", "terracotta"},
    {"stahlblau", "steel blue"},  {"blaugrau", "blue grey"},    {"flieder", "lilac"},
    {"hellblau", "light blue"},   {"moosgrün", "moss green"},   {"bernstein", "amber"},
    {"weinrot", "maroon"},        {"fuchsia", "fuchsia"},       {"neongrün", "neon green"},
};
constexpr TextPair kMarks[pluf::kButtonColours] = {
    {"Punkt", "dot"},
    {"Ring", "ring"},
    {"Quadrat", "square"},
    {"leeres Quadrat", "hollow square"},
    {"Raute", "diamond"},
    {"leere Raute", "hollow diamond"},
    {"Dreieck nach oben", "triangle pointing up"},
    {"Dreieck nach unten", "triangle pointing down"},
    {"Dreieck nach links", "triangle pointing left"},
    {"Dreieck nach rechts", "triangle pointing right"},
    {"leeres Dreieck", "hollow triangle"},
    {"Plus", "plus"},
    {"Kreuz", "cross"},
    {"Stern", "star"},
    {"Zickzack", "zigzag"},
    {"Querbalken", "bar across"},
    {"Längsbalken", "upright bar"},
    {"Schrägstrich", "slash"},
    {"Rückstrich", "backslash"},
    {"zwei Querbalken", "two bars across"},
    {"zwei Längsbalken", "two upright bars"},
    {"drei Querbalken", "three bars across"},
    {"zwei Punkte nebeneinander", "two dots side by side"},
    {"zwei Punkte übereinander", "two dots one above the other"},
    {"drei Punkte", "three dots"},
    {"vier Punkte", "four dots"},
    {"Winkel nach oben", "chevron up"},
    {"Winkel nach unten", "chevron down"},
    {"Winkel nach links", "chevron left"},
    {"Winkel nach rechts", "chevron right"},
    {"Mondsichel", "crescent"},
    {"Zielscheibe", "target"},
    {"Winkeldreieck", "corner triangle"},
    {"halber Kreis im Ring", "half-filled circle"},
    {"Sanduhr", "hourglass"},
    {"Fliege", "bow tie"},
    {"L", "L shape"},
    {"T", "T shape"},
    {"halbes Quadrat im Rahmen", "half-filled square"},
    {"Gitter", "hash"},
    {"Y", "Y shape"},
    {"Quadrat mit Punkt", "square with a dot"},
};

}  // namespace

QString PlufPlace(int level, int plate, int tongue) {
    static constexpr TextPair kPlate{"Spalte %1, Platte %2 von oben", "column %1, plate %2 from the top"};
    const int count = pluf::PlatesInPlay(level);
    const pluf::GridPlace at = pluf::GridPlaces[plate - 1];
    // Columns count from the leftmost one in play, so that a small level starts at 1.
    int firstColumn = pluf::GridPlaces[0].column;
    int fromTop = 1;
    for (int p = 1; p <= count; ++p) {
        firstColumn = std::min(firstColumn, pluf::GridPlaces[p - 1].column);
        if (pluf::GridPlaces[p - 1].column == at.column && pluf::GridPlaces[p - 1].row < at.row) ++fromTop;
    }
    return Pick(kPlate, tongue).arg(at.column - firstColumn + 1).arg(fromTop);
}

BoardWords PlufWords(const pluf::Position& position, int level, int tongue) {
    static constexpr TextPair kButtons{"Knöpfe im Uhrzeigersinn von oben: %1",
                                       "buttons clockwise from the top: %1"};
    static constexpr TextPair kButton{"%1 (%2)", "%1 (%2)"};
    static constexpr TextPair kMatches{"passt zu %1 von %2 Nachbarn", "matches %1 of %2 neighbours"};
    const int count = pluf::PlatesInPlay(level);
    const auto inPlay = [count](int plate) { return plate >= 1 && plate <= count; };
    BoardWords words;
    for (int p = 1; p <= count; ++p) {
        QStringList buttons;
        int neighbours = 0, matching = 0;
        const pluf::Slots& mine = position.buttons[p - 1];
        for (int j = 0; j < pluf::kSlots; ++j) {
            buttons << Pick(kButton, tongue).arg(Pick(kColours[mine[j]], tongue), Pick(kMarks[mine[j]], tongue));
            const int q = pluf::Neighbours[p - 1][j];
            if (!inPlay(q)) continue;
            ++neighbours;
            if (position.buttons[q - 1][pluf::FacingSlot(j)] == mine[j]) ++matching;
        }
        words.pieces.push_back({QStringList{PlufPlace(level, p, tongue),
                                            Pick(kButtons, tongue).arg(buttons.join(QStringLiteral(", "))),
                                            Pick(kMatches, tongue).arg(matching).arg(neighbours)}
                                    .join(QStringLiteral("; ")),
                                {}, {}, {}});
    }
    words.targets = count;
    return words;
}

}  // namespace spindora
