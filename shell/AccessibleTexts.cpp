#include "shell/AccessibleTexts.h"

#include "dialogs/Texts.h"
#include "shell/Captions.h"

namespace spindora {

QString BoardAccessibleName(uint8_t mode, const LevelSettings& levels, int tongue) {
    static constexpr TextPair kLevel{"%1, Stufe %2", "%1, level %2"};
    static constexpr TextPair kColours{"%1, %2 Farben", "%1, %2 colours"};
    static const char* const kNames[] = {"ZIBBO", "KOLLUK", "PLUF", "MURVO"};
    const int level[] = {levels.gmode, levels.hmode, levels.dmode, levels.rmode};
    const int m = mode < 4 ? mode : 0;
    const QString name = Pick(kLevel, tongue).arg(QString::fromLatin1(kNames[m])).arg(level[m]);
    // PLUF's second setting is part of what the player is asked to solve.
    return m == 2 ? Pick(kColours, tongue).arg(name).arg(levels.pmode + 1) : name;
}

QString ClockAccessibleDescription(int32_t ticks, int tongue) {
    static constexpr TextPair kOne{"%1 1 Sekunde", "%1 1 second"};
    static constexpr TextPair kMany{"%1 %2 Sekunden", "%1 %2 seconds"};
    // The clock counts five ticks a second.
    const int32_t seconds = ticks / 5;
    const QString label = TimeLabelText(tongue);
    return seconds == 1 ? Pick(kOne, tongue).arg(label) : Pick(kMany, tongue).arg(label).arg(seconds);
}

}  // namespace spindora
