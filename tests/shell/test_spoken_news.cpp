#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>

#include "rules/Random.h"
#include "shell/NewsLine.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using test::Key;

// What a screen reader hears after each key of play, from the window's news line, in both
// languages. At ZIBBO level 1 a press on the top left dial turns it, the top middle, the
// middle left and the centre one; on the top middle one, the top left and the top right. A
// switch of puzzle names the board and the piece the keys are on.
TEST(SpokenNews, EachKeyOfPlayIsToldInTheGamesLanguage) {
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* english;  // a pattern; none for a key that tells nothing new
        const char* german;
        bool asks = false;    // the key opens a window, answered with Return
    };
    const Step steps[] = {
        {Qt::Key_S, {}, "Sound effects off", "Soundeffekte aus"},
        {Qt::Key_S, {}, "Sound effects on", "Soundeffekte an"},
        {Qt::Key_M, {}, "No music: there are no MIDI files", "Keine Musik: Es gibt keine MIDI-Dateien"},
        {Qt::Key_P, {}, "No pause: the clock is not running", "Keine Pause: Die Uhr läuft noch nicht"},
        {Qt::Key_PageUp, {}, "ZIBBO, level 2: new deal", "ZIBBO, Stufe 2: neu gemischt"},
        {Qt::Key_PageDown, {}, "ZIBBO, level 1: new deal", "ZIBBO, Stufe 1: neu gemischt"},
        {Qt::Key_PageDown, Qt::ControlModifier, "New deal", "Neu gemischt"},
        {Qt::Key_Z, Qt::ControlModifier, "Nothing to undo", "Nichts zurückzunehmen"},
        {Qt::Key_Space, {}, "top row, left dial: pointer at \\d+ o'clock; also turned: top middle, middle left, centre",
         "obere Reihe, linker ZIBBO: Zeiger auf \\d+ Uhr; auch gedreht: oben Mitte, Mitte links, Mitte"},
        {Qt::Key_Z, Qt::ControlModifier, "Undone: top row, left dial: .*; also turned: top middle, middle left, centre",
         "Zurückgenommen: obere Reihe, linker ZIBBO: .*; auch gedreht: oben Mitte, Mitte links, Mitte"},
        {Qt::Key_Y, Qt::ControlModifier, "Redone: top row, left dial: .*", "Wiederholt: obere Reihe, linker ZIBBO: .*"},
        {Qt::Key_Y, Qt::ControlModifier, "Nothing to redo", "Nichts zu wiederholen"},
        {Qt::Key_P, {}, "The game goes on", "Das Spiel läuft weiter", true},
        {Qt::Key_Right, {}, nullptr, nullptr},  // shows where the focus is
        {Qt::Key_Right, {}, nullptr, nullptr},
        {Qt::Key_Space, {}, "top row, middle dial: pointer at \\d+ o'clock; also turned: top left, top right",
         "obere Reihe, mittlerer ZIBBO: Zeiger auf \\d+ Uhr; auch gedreht: oben links, oben rechts"},
        {Qt::Key_2, {}, "KOLLUK, level 1: upper ring", "KOLLUK, Stufe 1: oberer Ring"},
        {Qt::Key_1, {}, "ZIBBO, level 1: top row, middle dial: pointer at \\d+ o'clock",
         "ZIBBO, Stufe 1: obere Reihe, mittlerer ZIBBO: Zeiger auf \\d+ Uhr"},
    };
    for (const int tongue : {0, 1}) {
        SeededRandom random(34);
        auto form = test::ShownForm(random, QStringLiteral("[common]\ntongue=%1\n").arg(tongue));
        ASSERT_NE(form, nullptr);
        QString heard;
        for (const Step& step : steps) {
            if (step.asks) test::AnswerNextModal(Qt::Key_Return);
            Key(*form, step.key, step.modifiers);
            QApplication::processEvents();
            const QString now = NewsLine::Of(*form).Text();
            if (step.english) {
                const QString pattern = QString::fromUtf8(tongue == 1 ? step.german : step.english);
                EXPECT_TRUE(QRegularExpression("^" + pattern + "$").match(now).hasMatch())
                    << "heard \"" << now.toStdString() << "\" for \"" << pattern.toStdString() << "\"";
            } else {
                EXPECT_EQ(now, heard) << "the arrows tell only the focus";
            }
            heard = now;
        }
        // The clock counts on without news.
        for (int tick = 0; tick < 10; ++tick) form->flow().TimerTimer();
        QApplication::processEvents();
        EXPECT_EQ(NewsLine::Of(*form).Text(), heard);
        form->flow().FormClose();
    }
}

}  // namespace
}  // namespace spindora
