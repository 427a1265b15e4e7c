#pragma once
#include <cstdint>

#include "rules/murvo/Position.h"

namespace spindora::murvo {

// A disc code is 10 * colour + variant (colour 1 to 6, variant 0 to 2); 0 is an empty
// place. Index place - 1.
using Codes = uint8_t[kPlaces];

// The fixed patterns of levels 1 to 9; level 10 deals its own.
extern const Codes FixedPatterns[9];

}  // namespace spindora::murvo
