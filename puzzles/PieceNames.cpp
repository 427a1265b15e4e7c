#include "puzzles/PieceNames.h"

#include <cmath>
#include <numbers>

#include "dialogs/Texts.h"

namespace spindora {

QString ClockDirection(int halfHours, int tongue) {
    static constexpr TextPair kFull{"%1 Uhr", "%1 o'clock"};
    static constexpr TextPair kHalf{"halb %1", "half past %1"};
    const int hour = halfHours / 2 == 0 ? 12 : halfHours / 2;
    if (halfHours % 2 == 0) return Pick(kFull, tongue).arg(hour);
    // German names the half hour by the hour it leads to.
    return Pick(kHalf, tongue).arg(IsGerman(tongue) ? hour % 12 + 1 : hour);
}

double TurnOf(QPoint offset) {
    const double turn = std::atan2(offset.x(), -offset.y()) / (2 * std::numbers::pi);
    return turn < 0 ? turn + 1 : turn;
}

int HalfHoursOf(QPoint offset) { return static_cast<int>(std::lround(TurnOf(offset) * 24)) % 24; }

}  // namespace spindora
