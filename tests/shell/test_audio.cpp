#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "shell/MusicFiles.h"
#include "shell/ShellAudio.h"

namespace spindora {
namespace {

constexpr qint64 kBytesPerSecond = 44100 * 2 * 2;  // 16-bit stereo at 44.1 kHz
constexpr qint64 kMargin = 3 * 4096;                // what the device mixed ahead of a call

qint64 Seconds(double s) { return qint64(s * kBytesPerSecond) & ~qint64(3); }

// The sound card of these tests: SDL's disk driver writes everything mixed to a file,
// several times faster than real time.
class DiskAudio : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("out.raw"));
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", QFile::encodeName(path_).constData(), 1);
        setenv("SDL_DISKAUDIODELAY", "4", 1);
    }
    void TearDown() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    qint64 Written() const { return QFileInfo(path_).size(); }
    // Waits until `bytes` more of output exist after `from`.
    void WaitFor(qint64 from, qint64 bytes) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (Written() < from + bytes && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        ASSERT_GE(Written(), from + bytes) << "the device stopped writing";
    }
    // Loudest sample between two byte offsets of the output.
    int Peak(qint64 from, qint64 to) const {
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly)) return -1;
        file.seek(from & ~qint64(1));
        const QByteArray data = file.read(to - from);
        int peak = 0;
        for (qsizetype i = 0; i + 1 < data.size(); i += 2)
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(data.constData() + i))));
        return peak;
    }
    // Seconds from the first to the last sample that is not silence, between two offsets.
    double SoundingFor(qint64 from, qint64 to) const {
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly)) return -1;
        file.seek(from & ~qint64(3));
        const QByteArray data = file.read(to - from);
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i + 1 < data.size(); i += 2)
            if (qFromLittleEndian<qint16>(data.constData() + i) != 0) {
                if (first < 0) first = i;
                last = i;
            }
        return first < 0 ? 0.0 : double(last - first) / kBytesPerSecond;
    }
    QString WriteMidi(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.filePath(QStringLiteral("music/") + name));
        QDir().mkpath(dir_.filePath(QStringLiteral("music")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QString MusicDir() const { return dir_.filePath(QStringLiteral("music")) + QLatin1Char('/'); }

    QTemporaryDir dir_;
    QString path_;
};

// A quarter second of middle C on a piano, then a quarter second of rest: half a second.
QByteArray ShortPiece() {
    const char track[] = {
        0x00, char(0xC0), 0x00,                   // piano
        0x00, char(0x90), 0x3C, 0x64,             // note on
        0x30, char(0x80), 0x3C, 0x40,             // 48 ticks later: off
        0x30, char(0xFF), 0x2F, 0x00,             // 48 ticks later: end of track
    };
    QByteArray midi("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14);  // format 0, one track, 96/quarter
    midi += QByteArray("MTrk\0\0\0", 7) + char(sizeof(track)) + QByteArray(track, sizeof(track));
    return midi;
}

TEST_F(DiskAudio, EffectsSoundWhileOnNeverLaterAndTheNewestCutsTheOldOff) {
    ShellAudio audio;
    audio.PlayEffect(1, true);
    WaitFor(0, Seconds(0.3));
    EXPECT_GT(Peak(0, Seconds(0.3)), 3000) << "the dial click is heard";

    // With the sound off nothing plays, neither now nor once it is on again.
    qint64 mark = Written();
    audio.PlayEffect(5, false);
    WaitFor(mark, Seconds(0.6));
    EXPECT_EQ(Peak(mark, mark + Seconds(0.6)), 0);

    // The fanfare lasts almost two seconds; a click cuts it off.
    mark = Written();
    audio.PlayEffect(5, true);
    WaitFor(mark, Seconds(0.2));
    EXPECT_GT(Peak(mark, mark + Seconds(0.2)), 3000) << "the fanfare is heard";
    const qint64 cut = Written();
    audio.PlayEffect(1, true);
    WaitFor(cut, Seconds(0.8));
    EXPECT_EQ(Peak(cut + Seconds(0.1) + kMargin, cut + Seconds(0.8)), 0) << "the fanfare went on";

    // Each puzzle's effect is its own sound, told by its length: the dial's click, the
    // roll of the balls, the plate's turn and the discs' move.
    WaitFor(Written(), Seconds(0.8));
    const struct { int effect; double seconds; } lengths[] = {{1, 0.035}, {2, 0.484}, {3, 0.239}, {4, 0.207}};
    for (const auto& [effect, seconds] : lengths) {
        mark = Written();
        audio.PlayEffect(effect, true);
        WaitFor(mark, Seconds(0.8));
        EXPECT_NEAR(SoundingFor(mark, mark + Seconds(0.8)), seconds, 0.012) << "effect " << effect;
    }
}

TEST_F(DiskAudio, MusicLoopsPausesAndTakesTheNextFileAtEverySwitchOn) {
    const QByteArray piece = ShortPiece();
    WriteMidi(QStringLiteral("b.MID"), piece);
    WriteMidi(QStringLiteral("a.mid"), piece);
    WriteMidi(QStringLiteral("C.mid"), piece);
    WriteMidi(QStringLiteral("notes.txt"), "no music");

    ShellAudio audio;
    ASSERT_TRUE(audio.FindMusic(MusicDir()));
    EXPECT_EQ(audio.Search().Names(), (QStringList{"a.mid", "b.MID", "C.mid"}));
    EXPECT_EQ(QFileInfo(audio.Midi().FileName()).fileName(), "a.mid") << "the first is opened";
    EXPECT_FALSE(audio.Midi().Playing()) << "and not played";

    // Music on from the start: the ticks start the first file.
    audio.Upkeep();
    ASSERT_TRUE(audio.Midi().WaitUntilReady());
    audio.Upkeep();
    ASSERT_TRUE(audio.Midi().Playing());
    qint64 mark = Written();
    WaitFor(mark, Seconds(0.2));
    EXPECT_GT(Peak(mark, mark + Seconds(0.2)), 1000) << "the piece is heard";

    // At its end it stops, and the next tick starts it again from the beginning.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (audio.Midi().Playing() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ASSERT_FALSE(audio.Midi().Playing()) << "the half-second piece never ended";
    audio.Upkeep();
    EXPECT_TRUE(audio.Midi().Playing());
    mark = Written();
    WaitFor(mark, Seconds(0.2));
    EXPECT_GT(Peak(mark + kMargin, mark + Seconds(0.2)), 1000) << "heard again after its end";

    // Switched off it pauses and falls silent; ticks do not restart it.
    audio.Switch(false);
    EXPECT_FALSE(audio.Midi().Playing());
    mark = Written();
    WaitFor(mark, Seconds(0.5));
    // The synthesiser dithers its output: silence is a level of a bit or two.
    EXPECT_LE(Peak(mark + kMargin, mark + Seconds(0.5)), 2);

    // Each switch-on takes the next file, wrapping round after the last.
    for (const char* expected : {"b.MID", "C.mid", "a.mid"}) {
        audio.Switch(true);
        EXPECT_EQ(QFileInfo(audio.Midi().FileName()).fileName(), expected);
        EXPECT_TRUE(audio.Midi().Playing()) << expected;
        mark = Written();
        WaitFor(mark, Seconds(0.2));
        EXPECT_GT(Peak(mark, mark + Seconds(0.2)), 1000) << expected;
        audio.Switch(false);
    }
    EXPECT_FALSE(audio.MusicLost());
}

TEST_F(DiskAudio, BrokenMusicAMissingSoundfontOrNoDeviceEndMusicForTheRunWithoutACrash) {
    QByteArray cut = ShortPiece();
    cut.chop(6);
    WriteMidi(QStringLiteral("broken.mid"), cut);
    ShellAudio broken;
    EXPECT_FALSE(broken.FindMusic(MusicDir()));
    EXPECT_TRUE(broken.MusicLost());
    broken.Upkeep();
    broken.Switch(true);
    EXPECT_FALSE(broken.Midi().Playing());

    QFile::remove(MusicDir() + QStringLiteral("broken.mid"));
    WriteMidi(QStringLiteral("good.mid"), ShortPiece());
    {
        // No sound device: music is given up at the first tick, effects stay silent.
        setenv("SDL_AUDIODRIVER", "no-such-device", 1);
        ShellAudio silent;
        ASSERT_TRUE(silent.FindMusic(MusicDir()));
        silent.PlayEffect(1, true);
        silent.Upkeep();
        EXPECT_TRUE(silent.MusicLost());
        silent.Upkeep();
        silent.Switch(true);
        EXPECT_FALSE(silent.Midi().Playing());
        setenv("SDL_AUDIODRIVER", "disk", 1);
    }
    ShellAudio noFont(dir_.filePath(QStringLiteral("missing.sf2")));
    ASSERT_TRUE(noFont.FindMusic(MusicDir()));
    noFont.Upkeep();
    EXPECT_FALSE(noFont.Midi().WaitUntilReady());
    noFont.Upkeep();
    EXPECT_TRUE(noFont.MusicLost());
    noFont.Switch(true);
    EXPECT_FALSE(noFont.Midi().Playing());
    // The effects do not depend on the music.
    const qint64 mark = Written();
    noFont.PlayEffect(2, true);
    WaitFor(mark, Seconds(0.3));
    EXPECT_GT(Peak(mark, mark + Seconds(0.3)), 3000);
}

TEST(MidiFiles, OnlyWholeStandardMidiFilesAreAccepted) {
    EXPECT_TRUE(IsStandardMidi(ShortPiece()));
    QByteArray truncated = ShortPiece();
    truncated.chop(1);
    EXPECT_FALSE(IsStandardMidi(truncated));
    EXPECT_FALSE(IsStandardMidi(QByteArray("RIFF....WAVEfmt ")));
    EXPECT_FALSE(IsStandardMidi(QByteArray()));
    QByteArray noTracks = ShortPiece().left(14);
    EXPECT_FALSE(IsStandardMidi(noTracks));
}

}  // namespace
}  // namespace spindora
