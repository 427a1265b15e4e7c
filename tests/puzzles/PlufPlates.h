#pragma once
// Where PLUF's plates stand, typed once for the tests that press or look at them.
#include <QPoint>

namespace spindora::test {

// Top-left corners of the 22 plates' squares, as the honeycomb places them (index 0 unused).
inline constexpr QPoint kPlufPlateCorners[23] = {
    {},          {211, 20},  {211, 92},  {211, 164}, {211, 236}, {149, 56},  {149, 128},
    {149, 200},  {273, 56},  {273, 128}, {273, 200}, {87, 92},   {87, 164},  {335, 92},
    {335, 164},  {25, 200},  {87, 236},  {335, 20},  {397, 56},  {87, 20},   {25, 56},
    {25, 128},   {397, 128},
};

}  // namespace spindora::test
