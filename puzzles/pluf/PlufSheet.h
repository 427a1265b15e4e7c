#pragma once
// Where b3.bmp keeps what PLUF draws, and where PLUF stands on the board. Both the puzzle
// and the painter of the sheet read this one header, so the two cannot disagree.
#include <QPoint>
#include <QRect>

#include "rules/pluf/PlufRules.h"

namespace spindora::pluf {

inline constexpr int kSheetWidth = 682;
inline constexpr int kSheetHeight = 375;
inline constexpr int kPlateSize = 75;
inline constexpr int kButtonSize = 16;
inline constexpr int kButtonsPerColumn = 21;
inline constexpr int kPhases = 4;

struct Offset {
    int dx, dy;
};
// ButtonOffsets[phase][slot]: where a button sits relative to (29, 29) in the plate's
// square; each phase carries the buttons a further 15 degrees counter-clockwise.
// clang-format off
inline constexpr Offset ButtonOffsets[kPhases][kSlots] = {
    {{  0, -20}, { 17, -10}, { 17,  10}, {  0,  20}, {-17,  10}, {-17, -10}},
    {{ -5, -19}, { 14, -14}, { 19,   5}, {  5,  19}, {-14,  14}, {-19,  -5}},
    {{-10, -17}, { 10, -17}, { 20,   0}, { 10,  17}, {-10,  17}, {-20,   0}},
    {{-14, -14}, {  5, -19}, { 19,  -5}, { 14,  14}, { -5,  19}, {-19,   5}},
};
// clang-format on
// A button's top-left corner in its plate's square, before the phase offset.
inline constexpr int kButtonCorner = 29;
// The middle of a plate (and of its turning) inside its square: the buttons ring it.
inline constexpr double kPlateCentre = kButtonCorner + kButtonSize / 2.0;

// Top-left corner of plate p's square on the board.
inline QPoint PlateCorner(int p) {
    return {62 * GridPlaces[p - 1].column + 25, 36 * GridPlaces[p - 1].row + 20};
}
// A press hits a plate only in the inner 54 x 54 pixels of its square (bounds exclusive),
// so no press can hit two plates.
inline bool OnPlate(int p, int x, int y) {
    const QPoint corner = PlateCorner(p);
    return x > corner.x() + 10 && x < corner.x() + 65 && y > corner.y() + 10 &&
           y < corner.y() + 65;
}

constexpr QRect PlateImage(int phase) { return {500, kPlateSize * phase, kPlateSize, kPlateSize}; }
constexpr QRect PlateMask(int phase) { return {575, kPlateSize * phase, kPlateSize, kPlateSize}; }
// White over everything a turning plate may cover, black elsewhere; the outer window is
// its inverse.
inline constexpr QRect kInnerWindow{500, 300, kPlateSize, kPlateSize};
inline constexpr QRect kOuterWindow{575, 300, kPlateSize, kPlateSize};
inline constexpr QRect kButtonMask{0, 333, kButtonSize, kButtonSize};
// Two columns of 21 buttons.
constexpr QRect ButtonImage(int colour) {
    return {650 + kButtonSize * (colour / kButtonsPerColumn),
            kButtonSize * (colour % kButtonsPerColumn), kButtonSize, kButtonSize};
}
constexpr QRect LevelFigure(int dmode) { return {16 + 30 * (dmode - 1), 333, 30, 30}; }
constexpr QRect ColourFigure(int pmode) { return {136 + 20 * (pmode - 1), 333, 20, 30}; }
// The two figures side by side are the level button on the board.
inline constexpr QPoint kLevelFigureAt{440, 295};
inline constexpr QPoint kColourFigureAt{470, 295};

// The press area of the level button, exclusive on all four sides. It ends at x = 479,
// ten columns short of the colour figure's right edge.
inline constexpr int kLevelLeft = 420, kLevelRight = 480, kLevelTop = 280, kLevelBottom = 330;
constexpr bool OnLevelButton(int x, int y) {
    return x > kLevelLeft && x < kLevelRight && y > kLevelTop && y < kLevelBottom;
}

inline constexpr QRect kRulesRect{373, 236, 114, 85};

}  // namespace spindora::pluf
