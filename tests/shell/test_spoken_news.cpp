#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>

#include "rules/Random.h"
#include "shell/NewsLine.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

// What a screen reader hears after each key of play, from the window's news line, in German
// (Orca's own test hears the English). At ZIBBO level 1 a press on the top left dial turns
// it, the top middle, the middle left and the centre one. A switch of puzzle names the board
// and the piece the keys are on.
TEST(SpokenNews, EachKeyOfPlayIsToldInTheGamesLanguage) {
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* heard;  // a pattern; none for a key that tells nothing new
        bool asks = false;  // the key opens a window, answered with Return
    };
    const Step steps[] = {
        {Qt::Key_S, {}, "Soundeffekte aus"},
        {Qt::Key_M, {}, "Keine Musik: Es gibt keine MIDI-Dateien"},
        {Qt::Key_P, {}, "Keine Pause: Die Uhr läuft noch nicht"},
        {Qt::Key_PageUp, {}, "ZIBBO, Stufe 2: neu gemischt"},
        {Qt::Key_PageDown, Qt::ControlModifier, "Neu gemischt"},
        {Qt::Key_Z, Qt::ControlModifier, "Nichts zurückzunehmen"},
        {Qt::Key_PageDown, {}, "ZIBBO, Stufe 1: neu gemischt"},
        {Qt::Key_Space, {},
         "obere Reihe, linker ZIBBO: Zeiger auf \\d+ Uhr; auch gedreht: oben Mitte, Mitte links, Mitte"},
        {Qt::Key_Z, Qt::ControlModifier, "Zurückgenommen: obere Reihe, linker ZIBBO: .*; auch gedreht: .*"},
        {Qt::Key_Y, Qt::ControlModifier, "Wiederholt: obere Reihe, linker ZIBBO: .*"},
        {Qt::Key_Y, Qt::ControlModifier, "Nichts zu wiederholen"},
        {Qt::Key_P, {}, "Das Spiel läuft weiter", true},
        {Qt::Key_Right, {}, nullptr},  // shows where the focus is
        {Qt::Key_2, {}, "KOLLUK, Stufe 1: oberer Ring"},
        {Qt::Key_1, {}, "ZIBBO, Stufe 1: obere Reihe, linker ZIBBO: Zeiger auf \\d+ Uhr"},
    };
    SeededRandom random(34);
    auto form = test::ShownForm(random, QStringLiteral("[common]\ntongue=1\n"));
    ASSERT_NE(form, nullptr);
    QString heard;
    for (const Step& step : steps) {
        if (step.asks) test::AnswerNextModal(Qt::Key_Return);
        test::Key(*form, step.key, step.modifiers);
        QApplication::processEvents();
        const QString now = NewsLine::Of(*form).Text();
        const QString pattern = step.heard ? QString::fromUtf8(step.heard) : QRegularExpression::escape(heard);
        EXPECT_TRUE(QRegularExpression("^" + pattern + "$").match(now).hasMatch())
            << "heard \"" << now.toStdString() << "\" for \"" << pattern.toStdString() << "\"";
        heard = now;
    }
    // The clock counts on without news.
    for (int tick = 0; tick < 10; ++tick) form->flow().TimerTimer();
    QApplication::processEvents();
    EXPECT_EQ(NewsLine::Of(*form).Text(), heard);
    form->flow().FormClose();
}

}  // namespace
}  // namespace spindora
