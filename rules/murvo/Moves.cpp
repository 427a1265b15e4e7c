#include "rules/murvo/Moves.h"

#include "rules/murvo/Position.h"

namespace spindora::murvo {
namespace {

// clang-format off
constexpr Ring kRingTable[kRings] = {
    {6, {1, 2, 3, 4, 5, 6}},
    {4, {1, 6, 18, 7}},
    {3, {1, 7, 8}},
    {4, {1, 8, 9, 2}},
    {3, {2, 9, 10}},
    {4, {2, 10, 11, 3}},
    {3, {3, 11, 12}},
    {4, {3, 12, 13, 4}},
    {3, {4, 13, 14}},
    {4, {4, 14, 15, 5}},
    {3, {5, 15, 16}},
    {4, {5, 16, 17, 6}},
    {3, {6, 17, 18}},
    {4, {7, 18, 36, 19}},
    {3, {7, 19, 20}},
    {4, {1, 7, 20, 8}},
    {3, {8, 20, 21}},
    {4, {8, 21, 22, 9}},
    {3, {9, 22, 23}},
    {4, {2, 9, 23, 10}},
    {3, {10, 23, 24}},
    {4, {10, 24, 25, 11}},
    {3, {11, 25, 26}},
    {4, {3, 11, 26, 12}},
    {3, {12, 26, 27}},
    {4, {12, 27, 28, 13}},
    {3, {13, 28, 29}},
    {4, {4, 13, 29, 14}},
    {3, {14, 29, 30}},
    {4, {14, 30, 31, 15}},
    {3, {15, 31, 32}},
    {4, {5, 15, 32, 16}},
    {3, {16, 32, 33}},
    {4, {16, 33, 34, 17}},
    {3, {17, 34, 35}},
    {4, {6, 17, 35, 18}},
    {3, {18, 35, 36}},
};

constexpr uint8_t kInnerRings[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
// The triangles between hexagon and middle ring give way to the rhombi that hold them.
constexpr uint8_t kFullRings[] = {0,  1,  3,  5,  7,  9,  11, 13, 14, 15, 16,
                                  17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
                                  28, 29, 30, 31, 32, 33, 34, 35, 36};
// clang-format on

}  // namespace

const Ring& RingAt(int ring) { return kRingTable[ring]; }

std::span<const uint8_t> OfferedRings(int level) {
    if (PlacesInPlay(level) == kPlaces) return kFullRings;
    return kInnerRings;
}

}  // namespace spindora::murvo
