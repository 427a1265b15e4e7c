#pragma once
// The board in words, for screen readers: every piece named by its place and its state.
#include <QRect>
#include <QString>
#include <vector>

namespace spindora {

namespace zibbo { struct Position; }
namespace kolluk { struct Position; }
namespace pluf { struct Position; }
namespace murvo { struct Position; }

struct BoardPiece {
    QString name;
    // What else a player needs on reaching it: the pieces a ring turns.
    QString description;
    QRect area;  // board coordinates
    // A few words for where it stands, by which a move's news lists it among the other
    // pieces it turned; empty for a piece that news never lists.
    QString brief;
};

// The press targets come first, in the puzzle's PressTargets order, so that the keyboard
// focus is an index into both. KOLLUK and MURVO press rings rather than pieces: their places
// and discs follow the rings, and each ring's description lists the pieces it turns.
struct BoardWords {
    std::vector<BoardPiece> pieces;
    int targets = 0;
};

// Where each puzzle's press target stands, without its state: the words a hint names it by,
// and the start of its name on the board.
QString ZibboPlace(int dial, int tongue);
QString KollukPlace(int ring, int tongue);
QString PlufPlace(int level, int plate, int tongue);
QString MurvoPlace(int level, int target, int tongue);

// Each puzzle's words, read from its rules' position; the targets' areas are left empty.
BoardWords ZibboWords(const zibbo::Position& position, int tongue);
BoardWords KollukWords(const kolluk::Position& position, int level, int tongue);
BoardWords PlufWords(const pluf::Position& position, int level, int tongue);
BoardWords MurvoWords(const murvo::Position& position, int level, int tongue);

// A direction on a clock face, counted in half hours from twelve (0 to 23): "3 o'clock",
// "half past 3"; German "3 Uhr", "halb 4".
QString ClockDirection(int halfHours, int tongue);
// How far round from straight up `offset` points from a middle, clockwise on the screen, as
// a fraction of a whole turn: 0 up to 1.
double TurnOf(QPoint offset);
// The half hour nearest to that direction, 0 to 23.
int HalfHoursOf(QPoint offset);

}  // namespace spindora
