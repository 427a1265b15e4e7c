#include "dialogs/TimeWords.h"

#include "dialogs/Texts.h"

namespace spindora {

QString SecondsText(int32_t ticks, int tongue) {
    static constexpr TextPair kOne{"1 Sekunde", "1 second"};
    static constexpr TextPair kMany{"%1 Sekunden", "%1 seconds"};
    if (ticks == 5) return Pick(kOne, tongue);
    // Two best times a tick apart must not sound the same.
    QString number = QString::number(ticks / 5);
    if (ticks % 5 != 0)
        number += (IsGerman(tongue) ? QLatin1Char(',') : QLatin1Char('.')) + QString::number(ticks % 5 * 2);
    return Pick(kMany, tongue).arg(number);
}

}  // namespace spindora
