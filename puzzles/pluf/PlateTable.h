#pragma once
// The honeycomb: where each plate stands, who its neighbours are, and where its six
// buttons sit in each drawing phase. Plates are numbered 1 to 22; slots 0 to 5 run
// clockwise from the top edge.

namespace spindora::pluf {

inline constexpr int kPlates = 22;
inline constexpr int kSlots = 6;
inline constexpr int kLevels = 4;
inline constexpr int kPhases = 4;

// How many plates a level puts in play; a level uses plates 1 to this count.
extern const int PlateCount[kLevels];

struct GridPlace {
    int column, row;
};
// GridPlaces[p - 1]: the plate's column and row in the honeycomb.
extern const GridPlace GridPlaces[kPlates];

// Neighbours[p - 1][j]: the plate on slot j of plate p, 0 for none. Slot j faces slot
// (j + 3) mod 6 of that neighbour.
extern const int Neighbours[kPlates][kSlots];

struct Offset {
    int dx, dy;
};
// ButtonOffsets[phase][slot]: where a button sits relative to (29, 29) in the plate's
// square; each phase carries the buttons a further 15 degrees counter-clockwise.
extern const Offset ButtonOffsets[kPhases][kSlots];

constexpr int FacingSlot(int slot) { return (slot + 3) % kSlots; }

}  // namespace spindora::pluf
