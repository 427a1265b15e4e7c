#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QToolButton>
#include <QToolTip>

#include "shell/Captions.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using test::Accessible;
using test::ShownForm;

QString Utf8(const char* text) { return QString::fromUtf8(text); }

bool ReadsChecked(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->state().checked; }

// Only 1 is German; English stands for every other value, the unchosen -1 included.
constexpr int kLanguages[] = {1, 0, -1, 2};

struct Caption {
    const char* control;
    const char* german;
    const char* english;
};

// The hints that do not depend on a button's state, with the clock label's text.
constexpr Caption kFixedHints[] = {
    {"MixBtn", "Ich fang neu an.", "I start again."},
    {"OptionBtn", "Gibts da kein anderes Muster?", "Are there more patterns?"},
    {"PauseBtn", "Ich brauch eine kurze Pause.", "I need a break."},
    {"HighScoreBtn", "Wer sind die Besten?", "Who are the best?"},
    {"ExitBtn", "Ich hab genug!", "I have enough!"},
    {"ZibboBtn", "Zum Glück gibts ZIBBO.", "ZIBBO teases my brain"},
    {"KollukBtn", "Jetzt knack ich schnell KOLLUK.", "I quickly solve KOLLUK."},
    {"PlufBtn", "PLUF gibt mir zu denken.", "PLUF makes my brain work."},
    {"MurvoBtn", "MURVO fordert mich heraus.", "MURVO challenges me."},
    {"TongueBtn", "I don't speak german.", "Ich spreche nicht englisch."},
    {"HelpBtn", "Ich laß mir unter die Arme greifen.", "I need help."},
    {"InfoBtn", "Wer hat diese Spiele nur verbrochen?", "Who's the BRIZZELS inventor?"},
    {"BrizzelBtn", "Hurra, es gibt noch mehr Brizzels.", "Hurrah, there are more BRIZZELS."},
};

// soundbtn and MidiBtn say what a click would do: their hint follows the down state.
constexpr Caption kSoundOn{"soundbtn", "Ich schalte die Geräusche lieber aus.",
                           "I like it without sound-effects."};
constexpr Caption kSoundOff{"soundbtn", "Ohne Geräusche ist es doch etwas fad.",
                            "Without sound ist is boring."};
constexpr Caption kMusicOn{"MidiBtn", "Ohne Musik ist es mir lieber.",
                           "I don't like the music now."};
constexpr Caption kMusicOff{"MidiBtn", "Ich mag die Musik.", "Ich like the music."};

// What each button does, with its key: its name for screen readers. The hint is its
// description.
constexpr Caption kNames[] = {
    {"MixBtn", "Mischen (F2)", "Shuffle (F2)"},
    {"OptionBtn", "Nächste Stufe (Bild auf)", "Next level (Page Up)"},
    {"PauseBtn", "Pause (P)", "Pause (P)"},
    {"soundbtn", "Soundeffekte (S)", "Sound effects (S)"},
    {"MidiBtn", "Musik (M)", "Music (M)"},
    {"HighScoreBtn", "Bestenliste (Strg+H)", "Best times (Ctrl+H)"},
    {"ExitBtn", "Spiel beenden (Strg+Q)", "End the game (Ctrl+Q)"},
    {"ZibboBtn", "ZIBBO (1)", "ZIBBO (1)"},
    {"KollukBtn", "KOLLUK (2)", "KOLLUK (2)"},
    {"PlufBtn", "PLUF (3)", "PLUF (3)"},
    {"MurvoBtn", "MURVO (4)", "MURVO (4)"},
    {"TongueBtn", "Sprache (L)", "Language (L)"},
    {"HelpBtn", "Hilfe (F1)", "Help (F1)"},
    {"InfoBtn", "Über Spindora", "About Spindora"},
    {"BrizzelBtn", "Mehr Rätsel im Netz", "More puzzles on the web"},
};

QString In(const Caption& caption, int tongue) {
    return Utf8(tongue == 1 ? caption.german : caption.english);
}

TEST(Captions, EveryHintTheClockLabelAndTheTitleInBothLanguages) {
    SeededRandom random(3);
    auto form = ShownForm(random);
    ASSERT_NE(form, nullptr);
    const auto button = [&](const char* name) {
        auto* found = form->findChild<QToolButton*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    };
    auto* sound = button("soundbtn");
    auto* music = button("MidiBtn");
    auto* label = form->findChild<QLabel*>("TimeLabel");
    ASSERT_TRUE(sound && music && label);

    for (const int tongue : kLanguages) {
        form->flow().tongue.Set(tongue);
        for (const bool soundDown : {true, false})
            for (const bool musicDown : {true, false}) {
                SCOPED_TRACE(testing::Message() << "tongue " << tongue << " sound " << soundDown
                                                << " music " << musicDown);
                sound->setChecked(soundDown);
                music->setChecked(musicDown);
                form->ApplyCaptions();
                for (const Caption& c : kFixedHints) {
                    if (QToolButton* b = button(c.control)) {
                        EXPECT_EQ(b->toolTip(), In(c, tongue)) << c.control;
                        EXPECT_EQ(Accessible(b, QAccessible::Description), In(c, tongue)) << c.control;
                    }
                }
                EXPECT_EQ(sound->toolTip(), In(soundDown ? kSoundOn : kSoundOff, tongue));
                EXPECT_EQ(music->toolTip(), In(musicDown ? kMusicOn : kMusicOff, tongue));
                for (const Caption& c : kNames) {
                    if (QToolButton* b = button(c.control)) {
                        EXPECT_EQ(Accessible(b, QAccessible::Name), In(c, tongue)) << c.control;
                    }
                }
                EXPECT_EQ(Accessible(sound, QAccessible::Description), In(soundDown ? kSoundOn : kSoundOff, tongue));
                EXPECT_EQ(ReadsChecked(sound), soundDown) << "checked while the sound is on";
                // Without a music file the button cannot switch music on: it says so, and
                // reads unchecked whatever its stored state.
                ASSERT_FALSE(music->isEnabled()) << "the build folder holds no *.mid file";
                EXPECT_FALSE(ReadsChecked(music));
                const QString why = Accessible(music, QAccessible::Description);
                EXPECT_TRUE(why.contains("*.mid") && why.contains(QDir::toNativeSeparators(SPINDORA_BUILD_DIR)) &&
                            why.contains(tongue == 1 ? "Keine Musik" : "No music"))
                    << why.toStdString();
                // and sends the player to their own music folder, the one they can write to.
                const QString mine = QDir::toNativeSeparators(qEnvironmentVariable("XDG_DATA_HOME") + "/spindora/music");
                EXPECT_TRUE(why.endsWith((tongue == 1 ? "Lege welche in " : "Put some in ") + mine + '.'))
                    << why.toStdString();
                EXPECT_EQ(label->text(), tongue == 1 ? "Zeit:" : "Time:");
                EXPECT_EQ(form->windowTitle(), "Spindora V1.3");
            }
    }

    // A click on the sound button leaves its hint until captions are applied again.
    form->flow().tongue.Set(0);
    sound->setChecked(true);
    form->ApplyCaptions();
    QTest::mouseClick(sound, Qt::LeftButton);
    EXPECT_FALSE(sound->isChecked());
    EXPECT_EQ(sound->toolTip(), "I like it without sound-effects.");
    form->ApplyCaptions();
    EXPECT_EQ(sound->toolTip(), "Without sound ist is boring.");

    // Hovering shows the hint itself.
    auto* mix = button("MixBtn");
    QHelpEvent hover(QEvent::ToolTip, QPoint(12, 12), mix->mapToGlobal(QPoint(12, 12)));
    QApplication::sendEvent(mix, &hover);
    EXPECT_EQ(QToolTip::text(), "I start again.");
    form->flow().FormClose();
}

struct Rules {
    QRect area;  // board coordinates
    const char* german;
    const char* english;
};

// "\r" breaks the rules of KOLLUK and PLUF into two lines.
const Rules kRules[] = {
    {{353, 187, 126, 126}, "Klicke auf die ZIBBOS. Stelle alle Zeiger nach oben.",
     "Click the ZIBBOS. Let all pointers show upwards."},
    {{320, 22, 160, 132},
     "Laß die KOLLUK-Bälle rollen, bis alle Bälle\rauf der richtigfärbigen Plattform liegen.",
     "Let the KOLLUK-balls roll, until each ball\rlays on a platform of the same color."},
    {{373, 236, 114, 85},
     "Drehe die PLUF-Scheiben, bis die Knöpfe an\rsich gegenüberstehenden Kanten gleich sind.",
     "Rotate the PLUF-plates. Buttons, which\rlay next to each other, must look same."},
    {{317, 223, 165, 70}, "Verschiebe die MURVO-Plättchen, bis das Muster erreicht ist.",
     "Move the discs, until the MURVO looks like the pattern."},
};

QString RulesIn(const Rules& rules, int tongue) {
    return Utf8(tongue == 1 ? rules.german : rules.english);
}

QString AsShown(QString text) { return text.replace(QChar('\r'), QChar('\n')); }

TEST(Captions, RulesOfEveryModeAndTheirHintOverTheRulesDrawing) {
    for (const Mode mode : kAllModes)
        for (const int tongue : kLanguages) {
            EXPECT_EQ(RulesText(mode, tongue), RulesIn(kRules[mode], tongue))
                << "mode " << int(mode) << " tongue " << tongue;
            EXPECT_EQ(AsTooltip(RulesText(mode, tongue)), AsShown(RulesIn(kRules[mode], tongue)));
        }
    EXPECT_EQ(AsTooltip(RulesText(1, 0)),
              "Let the KOLLUK-balls roll, until each ball\nlays on a platform of the same color.");

    // In the window, for every mode this build can show: the hint appears over the rules
    // drawing, line break and all, and nowhere beside it.
    SeededRandom random(4);
    auto form = ShownForm(random);
    ASSERT_NE(form, nullptr);
    BoardWidget* board = form->boardWidget();
    const char* const modeButtons[] = {"ZibboBtn", "KollukBtn", "PlufBtn", "MurvoBtn"};
    int shown = 0;
    for (const Mode mode : kAllModes) {
        if (!form->flow().PuzzleOf(mode)) continue;
        SCOPED_TRACE(testing::Message() << "mode " << int(mode));
        ++shown;
        QTest::mouseClick(form->findChild<QWidget*>(modeButtons[mode]), Qt::LeftButton);
        ASSERT_EQ(form->flow().CurrentMode(), mode);
        const QRect area = kRules[mode].area;
        EXPECT_EQ(form->RulesShape(), area.translated(0, 33)) << "the rules area lies on the window";
        for (const int tongue : {1, 0}) {
            form->flow().tongue.Set(tongue);
            const QPoint middle = area.center();
            QHelpEvent hover(QEvent::ToolTip, middle, board->mapToGlobal(middle));
            QApplication::sendEvent(board, &hover);
            EXPECT_EQ(QToolTip::text(), AsShown(RulesIn(kRules[mode], tongue)));
            for (const QPoint corner : {area.topLeft(), area.bottomRight()})
                EXPECT_EQ(board->hintAt(corner), AsShown(RulesIn(kRules[mode], tongue)));
            for (const QPoint beside : {area.topLeft() - QPoint(1, 0), area.topLeft() - QPoint(0, 1),
                                        area.bottomRight() + QPoint(1, 0),
                                        area.bottomRight() + QPoint(0, 1)})
                EXPECT_EQ(board->hintAt(beside), QString()) << beside.x() << "," << beside.y();
        }
    }
    EXPECT_GE(shown, 1);
    form->flow().FormClose();
}

}  // namespace
}  // namespace spindora
