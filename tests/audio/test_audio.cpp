#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <dlfcn.h>
#include <fstream>
#include <functional>
#include <mutex>
#include <thread>

#include "audio/AudioLibraries.h"
#include "audio/MidiPlayer.h"
#include "audio/MidiFile.h"
#include "audio/MusicFiles.h"
#include "shell/ScopedEnv.h"
#include "audio/ShellAudio.h"
#include "audio/SoundFontSubset.h"

namespace spindora {
namespace {

constexpr qint64 kBytesPerSecond = 44100 * 2 * 2;  // 16-bit stereo at 44.1 kHz
constexpr qint64 kMargin = 3 * 4096;                // what the device mixed ahead of a call

qint64 Seconds(double s) { return qint64(s * kBytesPerSecond) & ~qint64(3); }

// Loudest of the 16-bit samples.
int PeakOf(const QByteArray& data) {
    int peak = 0;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(data.constData() + i))));
    return peak;
}

// Seconds from the first to the last of the 16-bit samples that is not silence.
double SoundingOf(const QByteArray& data) {
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2)
        if (qFromLittleEndian<qint16>(data.constData() + i) != 0) {
            if (first < 0) first = i;
            last = i;
        }
    return first < 0 ? 0.0 : double(last - first) / kBytesPerSecond;
}

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
        return PeakOf(file.read(to - from));
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

// The mixer's output as the game made it, taken where it leaves SDL_mixer, and the mixer
// held still while the test acts: the output grows only between two acts, so a mark taken
// during an act is the exact sample where the act is heard, however late the test runs.
class MixerTap {
public:
    MixerTap() {
        // The game opens the libraries privately; the tap reaches the same copies by name.
        if (!Audio()) return;
        void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
        void* mixer = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
        if (!sdl || !mixer) return;
        status_ = reinterpret_cast<decltype(status_)>(dlsym(sdl, "SDL_GetAudioDeviceStatus"));
        lock_ = reinterpret_cast<decltype(lock_)>(dlsym(sdl, "SDL_LockAudioDevice"));
        unlock_ = reinterpret_cast<decltype(unlock_)>(dlsym(sdl, "SDL_UnlockAudioDevice"));
        postMix_ = reinterpret_cast<decltype(postMix_)>(dlsym(mixer, "Mix_SetPostMix"));
        if (status_ && lock_ && unlock_ && postMix_) postMix_(&MixerTap::Take, this);
    }
    ~MixerTap() {
        if (postMix_) postMix_(nullptr, nullptr);
    }
    bool Works() const { return postMix_ != nullptr; }

    // Runs `act` with the mixer held; answers the output's length at that moment.
    qint64 Act(const std::function<void()>& act) {
        SDL_AudioDeviceID device = 1;
        while (device < 64 && status_(device) == SDL_AUDIO_STOPPED) ++device;
        EXPECT_LT(device, 64u) << "no sound device is open";
        lock_(device);
        const qint64 mark = Bytes(0, -1).size();  // nothing is mixed while it is held
        act();
        unlock_(device);
        return mark;
    }
    // The output between two byte offsets, once there is that much; -1 takes all there is.
    QByteArray Bytes(qint64 from, qint64 to) {
        std::unique_lock hold(mutex_);
        if (to >= 0 && !grown_.wait_for(hold, std::chrono::seconds(10), [&] { return out_.size() >= to; }))
            ADD_FAILURE() << "the device stopped mixing";
        return out_.mid(from, to < 0 ? -1 : to - from);
    }
    // Where the first sample louder than `level` is, once there is one.
    qint64 FirstLouderThan(int level) {
        for (qint64 from = 0;; from += Seconds(0.1)) {
            const QByteArray block = Bytes(from, from + Seconds(0.1));
            for (qsizetype i = 0; i + 1 < block.size(); i += 2)
                if (std::abs(int(qFromLittleEndian<qint16>(block.constData() + i))) > level) return from + i;
            if (block.size() < Seconds(0.1)) return -1;
        }
    }

private:
    static void Take(void* self, Uint8* stream, int length) {
        auto* me = static_cast<MixerTap*>(self);
        const std::lock_guard hold(me->mutex_);
        me->out_.append(reinterpret_cast<const char*>(stream), length);
        me->grown_.notify_all();
    }

    decltype(&::SDL_GetAudioDeviceStatus) status_ = nullptr;
    decltype(&::SDL_LockAudioDevice) lock_ = nullptr;
    decltype(&::SDL_UnlockAudioDevice) unlock_ = nullptr;
    decltype(&::Mix_SetPostMix) postMix_ = nullptr;
    std::mutex mutex_;
    std::condition_variable grown_;
    QByteArray out_;
};

TEST_F(DiskAudio, EffectsSoundWhileOnNeverLaterAndTheNewestCutsTheOldOff) {
    MixerTap tap;
    ASSERT_TRUE(tap.Works());
    ShellAudio audio;
    // The first effect opens the device, so nothing can hold the mixer before it.
    audio.PlayEffect(1, true);
    const qint64 click = tap.FirstLouderThan(3000);
    ASSERT_GE(click, 0) << "the dial click is heard";
    tap.Bytes(click, click + Seconds(0.3));  // and over

    // With the sound off nothing plays, neither now nor once it is on again.
    qint64 mark = tap.Act([&] { audio.PlayEffect(5, false); });
    EXPECT_EQ(PeakOf(tap.Bytes(mark, mark + Seconds(0.6))), 0);

    // The fanfare lasts almost two seconds; a click cuts it off.
    mark = tap.Act([&] { audio.PlayEffect(5, true); });
    EXPECT_GT(PeakOf(tap.Bytes(mark, mark + Seconds(0.2))), 3000) << "the fanfare is heard";
    const qint64 cut = tap.Act([&] { audio.PlayEffect(1, true); });
    EXPECT_EQ(PeakOf(tap.Bytes(cut + Seconds(0.1), cut + Seconds(0.8))), 0) << "the fanfare went on";

    // Each puzzle's effect is its own sound, told by its length: the dial's click, the
    // roll of the balls, the plate's turn and the discs' move.
    const struct { int effect; double seconds; } lengths[] = {{1, 0.035}, {2, 0.484}, {3, 0.239}, {4, 0.207}};
    for (const auto& [effect, seconds] : lengths) {
        mark = tap.Act([&, effect = effect] { audio.PlayEffect(effect, true); });
        EXPECT_NEAR(SoundingOf(tap.Bytes(mark, mark + Seconds(0.8))), seconds, 0.012) << "effect " << effect;
    }
}

TEST_F(DiskAudio, MusicLoopsPausesAndTakesTheNextFileAtEverySwitchOn) {
    const QByteArray piece = ShortPiece();
    // The second file plays a bass, which the synthesiser loads only when it comes to it.
    QByteArray bass = piece;
    bass[24] = 0x21;
    WriteMidi(QStringLiteral("b.MID"), bass);
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

TEST_F(DiskAudio, MusicTakesTheFilesOfBothFoldersInOneAlphabeticalOrder) {
    const struct {
        QStringList program, mine, order;  // order: "p/" beside the program, "m/" the player's
    } cases[] = {
        {{}, {"Tune.mid"}, {"m/Tune.mid"}},
        {{"a.mid", "C.mid"}, {"b.MID", "d.mid"}, {"p/a.mid", "m/b.MID", "p/C.mid", "m/d.mid"}},
    };
    for (const auto& c : cases) {
        QTemporaryDir program, data;
        const test::ScopedEnv dataHome("XDG_DATA_HOME", data.path().toLocal8Bit());
        const QString mine = data.filePath(QStringLiteral("spindora/music"));
        QDir().mkpath(mine);
        const auto write = [](const QString& path) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(ShortPiece());
        };
        for (const QString& name : c.program) write(program.filePath(name));
        for (const QString& name : c.mine) write(mine + '/' + name);
        QStringList order;
        for (const QString& entry : c.order)
            order << (entry.startsWith('p') ? program.path() : mine) + entry.mid(1);

        ShellAudio audio;
        ASSERT_TRUE(audio.FindMusic(program.path() + '/')) << order.join(' ').toStdString();
        EXPECT_EQ(QFileInfo(audio.Midi().FileName()).filePath().toStdString(), order[0].toStdString());
        audio.Upkeep();
        ASSERT_TRUE(audio.Midi().WaitUntilReady());
        audio.Upkeep();
        EXPECT_TRUE(audio.Midi().Playing()) << "the first file plays";
        // Each switch-on takes the next, across the folders and round to the first.
        for (qsizetype i = 1; i <= order.size(); ++i) {
            audio.Switch(false);
            audio.Switch(true);
            EXPECT_EQ(QFileInfo(audio.Midi().FileName()).filePath().toStdString(), order[i % order.size()].toStdString());
            EXPECT_TRUE(audio.Midi().Playing());
        }
    }
}

// A name that is not UTF-8 is found and plays. A file that cannot play costs one line on
// standard error a run, however often music comes round to it.
TEST_F(DiskAudio, ANameInAnyEncodingPlaysAndAFileThatCannotIsToldOfOnce) {
    WriteMidi(QStringLiteral("a-empty.mid"), QByteArray());
    std::ofstream(QFile::encodeName(MusicDir()).toStdString() + "caf\xe9.mid", std::ios::binary) << ShortPiece().toStdString();
    testing::internal::CaptureStderr();
    ShellAudio audio;
    ASSERT_TRUE(audio.FindMusic(MusicDir()));
    for (int on = 0; on < 3; ++on) {
        audio.Switch(false);
        audio.Switch(true);  // on from the next file: round past the empty one
    }
    ASSERT_TRUE(audio.Midi().WaitUntilReady());
    audio.Upkeep();
    EXPECT_TRUE(audio.Midi().FileName().startsWith(MusicDir() + QStringLiteral("caf")));
    EXPECT_TRUE(audio.Midi().Playing());
    // The game's own lines; SDL's disk driver adds its own.
    const QStringList said = QString::fromStdString(testing::internal::GetCapturedStderr()).split('\n').filter("spindora:");
    EXPECT_EQ(said.join('\n').toStdString(), "spindora: skipping " + MusicDir().toStdString() + "a-empty.mid: no readable MIDI file");
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

    WriteMidi(QStringLiteral("good.mid"), ShortPiece());
    {
        // Beside a good file a bad one is passed over, at the start and at every switch-on.
        ShellAudio skipping;
        ASSERT_TRUE(skipping.FindMusic(MusicDir()));
        EXPECT_EQ(QFileInfo(skipping.Midi().FileName()).fileName(), "good.mid");
        skipping.Switch(true);
        ASSERT_TRUE(skipping.Midi().WaitUntilReady());
        skipping.Upkeep();
        EXPECT_EQ(QFileInfo(skipping.Midi().FileName()).fileName(), "good.mid");
        EXPECT_TRUE(skipping.Midi().Playing());
    }
    QFile::remove(MusicDir() + QStringLiteral("broken.mid"));
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
    // The effects do not depend on the music. The effect may be the one that opens the
    // device, so it is listened for in what the mixer makes rather than in a stretch of the file.
    MixerTap tap;
    ASSERT_TRUE(tap.Works());
    noFont.PlayEffect(2, true);
    EXPECT_GE(tap.FirstLouderThan(3000), 0) << "the roll is heard";
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

// The bytes of a literal, without the terminating zero.
template <size_t N>
QByteArray Bytes(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

// A format-0 file around one track's events.
QByteArray Piece(const QByteArray& track) {
    QByteArray midi("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14);
    char length[4];
    qToBigEndian(quint32(track.size()), length);
    return midi + "MTrk" + QByteArray(length, 4) + track;
}

TEST(MidiFiles, ProgramChangesAreFoundOnEveryChannelAndNowhereElse) {
    struct Row {
        const char* what;
        QByteArray track;
        const char* programs;  // nullptr: the track cannot be read to its end
    };
    const Row rows[] = {
        {"none at all", Bytes("\x00\x90\x3C\x64\x30\x80\x3C\x40\x00\xFF\x2F\x00"), "0"},
        {"two channels, the second twice through running status",
         Bytes("\x00\xC0\x21\x00\xC1\x30\x10\x2A\x00\xFF\x2F\x00"), "0 33 42 48"},
        {"drum channel", Bytes("\x00\xC9\x19\x00\x99\x24\x64"), "0 25"},
        {"inside a text and a system exclusive message",
         Bytes("\x00\xFF\x01\x03\xC5\x10\xC6\x00\xF0\x03\xC7\x11\xF7\x00\xFF\x2F\x00"), "0"},
        {"after a controller, a pitch bend and a pressure",
         Bytes("\x00\xB3\x00\x08\x00\xE3\x00\x40\x00\xD3\x50\x00\xC3\x7F"), "0 127"},
        {"a data byte after a meta event", Bytes("\x00\xC2\x07\x00\xFF\x06\x01\x41\x00\x08"), nullptr},
        {"an event cut short", Bytes("\x00\xC0\x21\x00\x90\x3C"), nullptr},
        {"a program change without its number", Bytes("\x00\xC0"), nullptr},
        {"a delta time of five bytes", Bytes("\x80\x80\x80\x80\x00\xC0\x01"), nullptr},
        {"a status byte of the system", Bytes("\x00\xF8\x00\xC0\x01"), nullptr},
    };
    for (const Row& row : rows) {
        const std::optional<MidiPrograms> found = ProgramsOfPiece(Piece(row.track));
        if (!row.programs) {
            EXPECT_FALSE(found.has_value()) << row.what;
            continue;
        }
        ASSERT_TRUE(found.has_value()) << row.what;
        QStringList numbers;
        for (int p = 0; p < 128; ++p)
            if (found->test(p)) numbers << QString::number(p);
        EXPECT_EQ(numbers.join(u' ').toStdString(), row.programs) << row.what;
    }
    QByteArray longer = Piece(Bytes("\x00\xC0\x21"));
    longer[21] = 4;  // the track claims a byte more than the file holds
    EXPECT_FALSE(ProgramsOfPiece(longer).has_value());
}

// Everything FluidSynth renders for a piece with the given soundfont name, to the end.
QByteArray Render(const std::string& soundFont, const QByteArray& piece) {
    const AudioLibraries& fl = *Audio();
    fluid_settings_t* settings = fl.new_fluid_settings();
    fl.fluid_settings_setstr(settings, "player.timing-source", "sample");
    fl.fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_synth_t* synth = fl.new_fluid_synth(settings);
    QByteArray out;
    if (SoundFontSubset::AddLoader(settings, synth) && fl.fluid_synth_sfload(synth, soundFont.c_str(), 1) != FLUID_FAILED) {
        fluid_player_t* player = fl.new_fluid_player(synth);
        fl.fluid_player_add_mem(player, piece.constData(), size_t(piece.size()));
        fl.fluid_player_play(player);
        int16_t block[2 * 512];
        for (int i = 0; i < 2000 && fl.fluid_player_get_status(player) == FLUID_PLAYER_PLAYING; ++i) {
            fl.fluid_synth_write_s16(synth, 512, block, 0, 2, block, 1, 2);
            out.append(reinterpret_cast<const char*>(block), sizeof block);
        }
        fl.delete_fluid_player(player);
    }
    fl.delete_fluid_synth(synth);
    fl.delete_fluid_settings(settings);
    return out;
}

TEST(SoundFontCut, APieceSoundsSampleForSampleAsWithTheWholeFont) {
    ASSERT_NE(Audio(), nullptr);
    // A bass, strings from a bank the font lacks (FluidSynth falls back on bank 0), a drum
    // kit the font lacks (it falls back on the standard kit) and a piano that is never
    // selected: each channel starts on it.
    const QByteArray piece = Piece(Bytes(
        "\x00\xC0\x21\x00\xB1\x00\x08\x00\xC1\x30\x00\xC9\x1A"
        "\x00\x90\x28\x64\x00\x91\x43\x64\x00\x99\x24\x64\x00\x92\x48\x64"
        "\x60\x80\x28\x40\x00\x81\x43\x40\x00\x89\x24\x40\x00\x82\x48\x40\x00\xFF\x2F\x00"));
    const std::optional<MidiPrograms> programs = ProgramsOfPiece(piece);
    ASSERT_TRUE(programs.has_value());
    const QByteArray whole = Render(QFile::encodeName(DefaultSoundFont()).toStdString(), piece);
    ASSERT_GT(whole.size(), 44100 * 4 / 2) << "the whole font played less than half a second";
    ASSERT_NE(whole.count('\0'), whole.size()) << "the whole font played silence";

    const auto cut = SoundFontSubset::Cut(DefaultSoundFont(), *programs);
    ASSERT_TRUE(cut);
    EXPECT_LT(cut->Size(), QFileInfo(DefaultSoundFont()).size());
    EXPECT_TRUE(Render(cut->Name(), piece) == whole) << "the cut font sounds different";

    // Cut to the piano alone, the same piece loses its bass, strings and drums.
    const auto pianoOnly = SoundFontSubset::Cut(DefaultSoundFont(), MidiPrograms().set(0));
    ASSERT_TRUE(pianoOnly);
    EXPECT_FALSE(Render(pianoOnly->Name(), piece) == whole);

    // A name that looks like a cut font's but names none is not opened.
    char forged[64];
    std::snprintf(forged, sizeof forged, "spindora-cut-soundfont:1:%p", static_cast<void*>(forged));
    EXPECT_TRUE(Render(forged, piece).isEmpty());
}

TEST(SoundFontCut, FilesThatAreNoWholeSoundfontAreNotCut) {
    QTemporaryDir dir;
    QFile original(DefaultSoundFont());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray font = original.readAll();
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    EXPECT_TRUE(SoundFontSubset::Cut(write("whole.sf2", font), MidiPrograms().set(0)));
    EXPECT_FALSE(SoundFontSubset::Cut(write("short.sf2", font.left(font.size() - 100)), MidiPrograms().set(0)));
    EXPECT_FALSE(SoundFontSubset::Cut(write("empty.sf2", QByteArray()), MidiPrograms().set(0)));
    EXPECT_FALSE(SoundFontSubset::Cut(write("piece.sf2", ShortPiece()), MidiPrograms().set(0)));
    EXPECT_FALSE(SoundFontSubset::Cut(dir.filePath(QStringLiteral("missing.sf2")), MidiPrograms().set(0)));
    // A preset table whose runs go backwards.
    QByteArray backwards = font;
    const qsizetype phdr = backwards.indexOf("phdr");
    ASSERT_GT(phdr, 0);
    qToLittleEndian(quint16(0xFFFF), backwards.data() + phdr + 8 + 24);
    EXPECT_FALSE(SoundFontSubset::Cut(write("backwards.sf2", backwards), MidiPrograms().set(0)));
}

}  // namespace
}  // namespace spindora
