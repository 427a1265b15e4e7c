#include "shell/AccessibleTexts.h"

#include "dialogs/Texts.h"
#include "shell/Captions.h"
#include "shell/PuzzleDescriptors.h"

namespace spindora {

QString BoardAccessibleName(Mode mode, const LevelSettings& levels, int tongue) {
    static constexpr TextPair kLevel{"%1, Stufe %2", "%1, level %2"};
    static constexpr TextPair kColours{"%1, %2 Farben", "%1, %2 colours"};
    const PuzzleDescriptor& puzzle = Describe(mode);
    const QString name =
        Pick(kLevel, tongue).arg(QString::fromLatin1(puzzle.name)).arg(levels.*puzzle.level);
    // PLUF's second setting is part of what the player is asked to solve.
    return mode == kPluf ? Pick(kColours, tongue).arg(name).arg(levels.pmode + 1) : name;
}

QString HighscoreTitle(Mode mode, const LevelSettings& levels, int tongue) {
    static constexpr TextPair kTitle{"%1 – Stufe %2", "%1 – level %2"};
    const PuzzleDescriptor& puzzle = Describe(mode);
    return Pick(kTitle, tongue).arg(QString::fromLatin1(puzzle.name)).arg(levels.*puzzle.level);
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
