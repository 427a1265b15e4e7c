#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "assets/Glyphs.h"
#include "game/FakeShell.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

QToolButton* Button(TMainForm& form, const char* name) {
    return form.findChild<QToolButton*>(QString::fromLatin1(name));
}

TEST(MusicWindow, MidiBtnOffersMusicOnlyWithAFileBesideTheProgram) {
    SeededRandom random(7);
    const QString musicOn = QStringLiteral("[common]\ntongue=0\nmusic=1\n");
    {
        // The build folder holds no music: the button is disabled and keeps its state.
        auto form = test::ShownForm(random, musicOn);
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(Button(*form, "MidiBtn")->isEnabled());
        EXPECT_TRUE(Button(*form, "MidiBtn")->isChecked());
        EXPECT_FALSE(form->timer().Awake()) << "no music to keep going";
    }
    QTemporaryDir dir;
    for (const char* picture : {"b1.bmp", "b2.bmp", "b3.bmp", "b4.bmp"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(SPINDORA_BUILD_DIR) + picture, dir.filePath(picture)));
    QFile music(dir.filePath(QStringLiteral("Tune.MID")));
    ASSERT_TRUE(music.open(QIODevice::WriteOnly));
    music.write(QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0\0\x04\0\xFF\x2F\0", 26));
    music.close();
    auto form = CreateMainForm(random, dir.path() + QLatin1Char('/'), test::SettingsFile(musicOn));
    ASSERT_NE(form, nullptr);
    form->show();
    QToolButton* midi = Button(*form, "MidiBtn");
    EXPECT_TRUE(midi->isEnabled());
    EXPECT_TRUE(midi->isChecked());
    EXPECT_TRUE(form->timer().Awake()) << "the music begins at the first tick";
    EXPECT_EQ(form->audio().Midi().FileName(), dir.filePath(QStringLiteral("Tune.MID")));
    QTest::mouseClick(midi, Qt::LeftButton);
    EXPECT_FALSE(midi->isChecked());
    EXPECT_EQ(midi->toolTip(), "Ich like the music.");
    QTest::mouseClick(midi, Qt::LeftButton);
    EXPECT_EQ(midi->toolTip(), "I don't like the music now.");
}

using test::GameFlowTest;

TEST_F(GameFlowTest, EveryTickKeepsTheMusicGoingBeforeTheClockCounts) {
    Start({});
    flow.TimerTimer();  // ready: the clock stands, the music is still kept going
    ASSERT_EQ(view.musicUpkeeps.size(), 1u);
    flow.boxMouseDown(10, 10, MouseButton::Left);
    const size_t drawn = view.clock.size();
    flow.TimerTimer();
    ASSERT_EQ(view.musicUpkeeps.size(), 2u);
    EXPECT_EQ(view.musicUpkeeps[1], drawn) << "music first, then the clock";
    EXPECT_EQ(view.clock.size(), drawn + 1);
}

// Columns [first, last] where a picture differs from its background.
std::pair<int, int> Columns(const QImage& image, const std::function<bool(int, int)>& marked) {
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (marked(x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST(MusicWindow, SoundAndMusicGlyphsSitAtTheRightThreePixelsFromTheEdge) {
    SeededRandom random(8);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    for (const auto& [name, glyph] : {std::pair{"soundbtn", Glyph::Sound}, std::pair{"MidiBtn", Glyph::Midi}}) {
        SCOPED_TRACE(name);
        QToolButton* button = Button(*form, name);
        ASSERT_EQ(button->size(), QSize(25, 25));
        // The button's own frame is what stays when the glyph is taken away.
        const QImage shown = button->grab().toImage();
        const QIcon icon = button->icon();
        button->setIcon(QIcon());
        const QImage bare = button->grab().toImage();
        button->setIcon(icon);
        const QImage art = PaintGlyph(glyph).copy(0, 0, 16, 16);
        const auto [artFirst, artLast] = Columns(art, [&](int x, int y) { return qAlpha(art.pixel(x, y)) > 128; });
        const auto [first, last] = Columns(shown, [&](int x, int y) {
            const QRgb c = shown.pixel(x, y), face = bare.pixel(x, y);
            return std::abs(qRed(c) - qRed(face)) + std::abs(qGreen(c) - qGreen(face)) +
                       std::abs(qBlue(c) - qBlue(face)) > 90;
        });
        // The 16-pixel image spans columns 6..21 of the 25-pixel button.
        EXPECT_NEAR(first, 6 + artFirst, 1);
        EXPECT_NEAR(last, 6 + artLast, 1);
    }
}

}  // namespace
}  // namespace spindora
