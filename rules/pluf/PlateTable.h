#pragma once
// The honeycomb: where each plate stands and who its neighbours are. Plates are numbered
// 1 to 22; slots 0 to 5 run clockwise from the top edge.

namespace spindora::pluf {

inline constexpr int kPlates = 22;
inline constexpr int kSlots = 6;
inline constexpr int kLevels = 4;

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

constexpr int FacingSlot(int slot) { return (slot + 3) % kSlots; }

}  // namespace spindora::pluf
