#include "shell/Captions.h"

#include "game/PuzzleDescriptors.h"

namespace spindora {
namespace {

constexpr TextPair kHints[] = {
    {"Ich fang neu an.", "I start again."},
    {"Gibts da kein anderes Muster?", "Are there more patterns?"},
    {"Ich brauch eine kurze Pause.", "I need a break."},
    {"Ich schalte die Geräusche lieber aus.", "I like it without sound-effects."},
    {"Ohne Geräusche ist es doch etwas fad.", "Without sound ist is boring."},
    {"Ohne Musik ist es mir lieber.", "I don't like the music now."},
    {"Ich mag die Musik.", "Ich like the music."},
    {"Wer sind die Besten?", "Who are the best?"},
    {"Ich hab genug!", "I have enough!"},
    {"Zum Glück gibts ZIBBO.", "ZIBBO teases my brain"},
    {"Jetzt knack ich schnell KOLLUK.", "I quickly solve KOLLUK."},
    {"PLUF gibt mir zu denken.", "PLUF makes my brain work."},
    {"MURVO fordert mich heraus.", "MURVO challenges me."},
    // Written in the other language: the button offers the switch.
    {"I don't speak german.", "Ich spreche nicht englisch."},
    {"Ich laß mir unter die Arme greifen.", "I need help."},
    {"Wer hat diese Spiele nur verbrochen?", "Who's the BRIZZELS inventor?"},
    {"Hurra, es gibt noch mehr Brizzels.", "Hurrah, there are more BRIZZELS."},
};

constexpr TextPair kTimeLabel{"Zeit:", "Time:"};
constexpr TextPair kStartupFailure{"Zuwenig Speicher! Programm wird beendet.",
                                   "Not enough memory! Programm aborted."};

}  // namespace

QString HintText(Hint hint, int tongue) { return Pick(kHints[static_cast<int>(hint)], tongue); }

QString RulesText(Mode mode, int tongue) { return Pick(Describe(mode).rules, tongue); }

QString TimeLabelText(int tongue) { return Pick(kTimeLabel, tongue); }

QString WindowTitle() { return QStringLiteral("Spindora V1.3"); }

QString StartupFailureText(int tongue) { return Pick(kStartupFailure, tongue); }

QString AsTooltip(QString text) { return text.replace(QChar('\r'), QChar('\n')); }


QString SwitchFailureText(int tongue, const QString& path) {
    static constexpr TextPair text{"Das Bild %1 fehlt oder ist nicht lesbar.",
                                   "The picture %1 is missing or cannot be read."};
    return Pick(text, tongue).arg(path);
}


QString SettingsWriteFailureText(int tongue, const QString& path) {
    static constexpr TextPair text{
        "Die Einstellungen konnten nicht in %1 gespeichert werden.",
        "The settings could not be saved to %1."};
    return Pick(text, tongue).arg(path);
}


QString WebFailureText(int tongue, const QString& address) {
    static constexpr TextPair text{"Die Webseite lässt sich hier nicht öffnen. Ihre Adresse ist %1",
                                   "The web page cannot be opened here. Its address is %1"};
    return Pick(text, tongue).arg(address);
}

}  // namespace spindora
