#include "shell/AccessibleTexts.h"

#include "dialogs/Texts.h"
#include "dialogs/TimeWords.h"
#include "shell/Captions.h"
#include "shell/BoardWords.h"
#include "game/PuzzleDescriptors.h"

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
    // The clock shows whole seconds (five ticks each), so it is read in whole seconds.
    return TimeLabelText(tongue) + QLatin1Char(' ') + SecondsText(ticks / 5 * 5, tongue);
}

QString SolvedAnnouncement(int32_t ticks, int tongue) {
    static constexpr TextPair kSolved{"Gelöst in %1", "Solved in %1"};
    return Pick(kSolved, tongue).arg(SecondsText(ticks, tongue));
}

QString DealAnnouncement(int tongue) {
    static constexpr TextPair kDeal{"Neu gemischt", "New deal"};
    return Pick(kDeal, tongue);
}

QString LevelAnnouncement(const QString& boardName, int tongue) {
    static constexpr TextPair kLevel{"%1: neu gemischt", "%1: new deal"};
    return Pick(kLevel, tongue).arg(boardName);
}

QString MoveAnnouncement(Replay replay, const QString& lead, const QStringList& turned, int tongue) {
    static constexpr TextPair kAlso{"%1; auch gedreht: %2", "%1; also turned: %2"};
    static constexpr TextPair kHow[] = {
        {"Gedreht: %1", "Turned: %1"}, {"Zurückgenommen: %1", "Undone: %1"}, {"Wiederholt: %1", "Redone: %1"}};
    const QString places = turned.join(QStringLiteral(", "));
    const int how = static_cast<int>(replay);
    if (lead.isEmpty()) return Pick(kHow[how], tongue).arg(places);
    const QString words = places.isEmpty() ? lead : Pick(kAlso, tongue).arg(lead, places);
    return replay == Replay::None ? words : Pick(kHow[how], tongue).arg(words);
}

QString NothingToReplayAnnouncement(Replay replay, int tongue) {
    static constexpr TextPair kNothing[] = {
        {"Kein Zug", "No move"}, {"Nichts zurückzunehmen", "Nothing to undo"},
        {"Nichts zu wiederholen", "Nothing to redo"}};
    return Pick(kNothing[static_cast<int>(replay)], tongue);
}

QString SearchingHintAnnouncement(int tongue) {
    static constexpr TextPair kSearching{"Tipp: wird gesucht …", "Hint: looking for the next move…"};
    return Pick(kSearching, tongue);
}

QString NoHintText(int tongue) {
    static constexpr TextPair kNoHint{"Jetzt kein Tipp", "No hint now"};
    return Pick(kNoHint, tongue);
}

QString NoBestTimeNote(int tongue) {
    static constexpr TextPair kNote{"Mit Tipp: kein Eintrag in die Bestenliste", "With a hint: no entry in the best times"};
    return Pick(kNote, tongue);
}

QString HintAnnouncement(Mode mode, const LevelSettings& levels, int target, bool leftButton, int tongue) {
    static constexpr TextPair kHint{"Tipp: %1, %2", "Hint: %1, %2"};
    static constexpr TextPair kButtons[] = {{"rechte Maustaste", "right button"}, {"linke Maustaste", "left button"}};
    return Pick(kHint, tongue).arg(TargetPlace(mode, levels.*Describe(mode).level, target, tongue),
                                   Pick(kButtons[leftButton], tongue));
}

QString ToolName(Tool tool, int tongue) {
    // The keys are those the window gives its buttons, named as the keyboard labels them.
    static constexpr TextPair kNames[] = {
        {"Mischen (F2)", "Shuffle (F2)"},
        {"Nächste Stufe (Bild auf)", "Next level (Page Up)"},
        {"Pause (P)", "Pause (P)"},
        {"Soundeffekte (S)", "Sound effects (S)"},
        {"Musik (M)", "Music (M)"},
        {"Bestenliste (Strg+H)", "Best times (Ctrl+H)"},
        {"Spiel beenden (Strg+Q)", "End the game (Ctrl+Q)"},
        {"ZIBBO (1)", "ZIBBO (1)"},
        {"KOLLUK (2)", "KOLLUK (2)"},
        {"PLUF (3)", "PLUF (3)"},
        {"MURVO (4)", "MURVO (4)"},
        {"Sprache (L)", "Language (L)"},
        {"Hilfe (F1)", "Help (F1)"},
        {"Über Spindora", "About Spindora"},
        {"Mehr Rätsel im Netz", "More puzzles on the web"},
    };
    return Pick(kNames[static_cast<int>(tool)], tongue);
}

QString ToggleAnnouncement(Tool tool, bool on, int tongue) {
    static constexpr TextPair kStates[] = {{"%1 aus", "%1 off"}, {"%1 an", "%1 on"}};
    static constexpr TextPair kSound{"Soundeffekte", "Sound effects"};
    static constexpr TextPair kMusic{"Musik", "Music"};
    return Pick(kStates[on], tongue).arg(Pick(tool == Tool::Music ? kMusic : kSound, tongue));
}

QString MusicMissingAnnouncement(bool noFiles, int tongue) {
    static constexpr TextPair kNoFiles{"Keine Musik: Es gibt keine MIDI-Dateien", "No music: there are no MIDI files"};
    static constexpr TextPair kLost{"Keine Musik: Sie lässt sich nicht abspielen", "No music: it cannot be played"};
    return Pick(noFiles ? kNoFiles : kLost, tongue);
}

QString PauseAnnouncement(bool paused, int tongue) {
    static constexpr TextPair kResumed{"Das Spiel läuft weiter", "The game goes on"};
    static constexpr TextPair kNoGame{"Keine Pause: Die Uhr läuft noch nicht", "No pause: the clock is not running"};
    return Pick(paused ? kResumed : kNoGame, tongue);
}

QString MusicUnavailableText(bool noFiles, const QString& programFolder, const QString& userFolder, int tongue) {
    static constexpr TextPair kNoFiles{
        "Keine Musik: In %1 und in %2 liegen keine MIDI-Dateien (*.mid). Lege welche in %2.",
        "No music: no MIDI files (*.mid) were found in %1 or in %2. Put some in %2."};
    static constexpr TextPair kLost{
        "Keine Musik: Es fehlt ein Tongerät, die Soundfont oder eine lesbare MIDI-Datei.",
        "No music: there is no sound device, no soundfont or no readable MIDI file."};
    return noFiles ? Pick(kNoFiles, tongue).arg(programFolder, userFolder) : Pick(kLost, tongue);
}

}  // namespace spindora
