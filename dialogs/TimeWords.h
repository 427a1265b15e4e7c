#pragma once
#include <QString>
#include <cstdint>

namespace spindora {

// A playing time of clock ticks (five a second) in words: "82 seconds", "82.4 seconds";
// German "82 Sekunden", "82,4 Sekunden".
QString SecondsText(int32_t ticks, int tongue);

}  // namespace spindora
