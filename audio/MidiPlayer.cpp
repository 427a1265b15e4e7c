#include "audio/MidiPlayer.h"

#include <QFile>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <vector>

#include "files/ForeignFile.h"
#include "audio/AudioLibraries.h"
#include "audio/SoundFontSubset.h"

namespace spindora {

struct MidiPlayer::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    std::vector<int16_t> scratch;
    int fontId = -1;
    std::unique_ptr<SoundFontSubset> font;  // null when the whole file is loaded
    MidiPrograms loaded;                    // the programs whose presets are loaded
    ~Synth() {
        if (player) Audio()->delete_fluid_player(player);
        if (synth) Audio()->delete_fluid_synth(synth);
        if (settings) Audio()->delete_fluid_settings(settings);
    }
};

namespace {

// Loads the presets that `programs` need in place of those loaded before. A soundfont
// whose tables cannot be cut is loaded whole, as FluidSynth reads it.
bool LoadFont(MidiPlayer::Synth& s, const QString& soundFont, const MidiPrograms& programs) {
    if (OpenForeignFile(soundFont, FileKind::SoundFont).check != FileCheck::Regular) return false;
    std::unique_ptr<SoundFontSubset> cut = SoundFontSubset::Cut(soundFont, programs);
    // Once unloaded, a font is never read again, even while its last voices fade.
    if (s.fontId >= 0) Audio()->fluid_synth_sfunload(s.synth, s.fontId, 0);
    const std::string name = cut ? cut->Name() : QFile::encodeName(soundFont).toStdString();
    s.fontId = Audio()->fluid_synth_sfload(s.synth, name.c_str(), 1);
    s.font = std::move(cut);
    s.loaded = s.font ? programs : MidiPrograms().set();
    // What FluidSynth parsed to build the font is freed by now; its pages go back at once
    // rather than stay with the game while the music plays.
    malloc_trim(0);
    if (s.fontId != FLUID_FAILED) return true;
    s.fontId = -1;
    s.loaded.reset();
    return false;
}

MidiPlayer::Synth* LoadSynth(QString soundFont, int sampleRate, MidiPrograms programs) {
    // FluidSynth would print its own complaints; the player says one line itself.
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        Audio()->fluid_set_log_function(level, nullptr, nullptr);
    auto synth = std::make_unique<MidiPlayer::Synth>();
    synth->settings = Audio()->new_fluid_settings();
    if (!synth->settings) return nullptr;
    Audio()->fluid_settings_setnum(synth->settings, "synth.sample-rate", sampleRate);
    // The player advances with the rendered samples: no timer thread of its own, and a
    // piece ends exactly when its last sample has been rendered.
    Audio()->fluid_settings_setstr(synth->settings, "player.timing-source", "sample");
    Audio()->fluid_settings_setint(synth->settings, "synth.polyphony", 96);
    // No chorus or reverb: they cost CPU all the time and would ring on after a pause.
    Audio()->fluid_settings_setint(synth->settings, "synth.chorus.active", 0);
    Audio()->fluid_settings_setint(synth->settings, "synth.reverb.active", 0);
    Audio()->fluid_settings_setnum(synth->settings, "synth.gain", 0.5);
    // Only the instruments a piece uses are read from the soundfont, and nothing is
    // pinned in memory.
    Audio()->fluid_settings_setint(synth->settings, "synth.dynamic-sample-loading", 1);
    Audio()->fluid_settings_setint(synth->settings, "synth.lock-memory", 0);
    synth->synth = Audio()->new_fluid_synth(synth->settings);
    if (!synth->synth || !SoundFontSubset::AddLoader(synth->settings, synth->synth) ||
        !LoadFont(*synth, soundFont, programs))
        return nullptr;
    return synth.release();
}

}  // namespace

QString DefaultSoundFont() { return QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"); }

MidiPlayer::MidiPlayer(AudioDevice& device, QString soundFont)
    : device_(device), soundFont_(std::move(soundFont)) {}

MidiPlayer::~MidiPlayer() {
    if (loading_.valid()) delete loading_.get();
    if (hooked_) Audio()->Mix_HookMusic(nullptr, nullptr);
}

void MidiPlayer::Fail(const QString& why) {
    if (failed_) return;
    failed_ = true;
    Close();
    if (!why.isEmpty()) std::fprintf(stderr, "spindora: no music for this run: %s\n", qPrintable(why));
}

bool MidiPlayer::Open(const MusicFile& file) {
    Close();
    if (failed_) return false;
    QByteArray bytes = ReadForeignFile(file.nativePath, FileKind::Midi).bytes;
    if (!IsStandardMidi(bytes)) {
        if (!skipped_.contains(file.nativePath)) {
            skipped_.insert(file.nativePath);
            std::fprintf(stderr, "spindora: skipping %s: no readable MIDI file\n", qPrintable(file.path));
        }
        return false;
    }
    fileName_ = file.path;
    // A piece whose events cannot be followed to the end gets every preset.
    programs_ = ProgramsOfPiece(bytes).value_or(MidiPrograms().set());
    bytes_ = std::move(bytes);
    return true;
}

void MidiPlayer::Close() {
    Stop();
    fileName_.clear();
    bytes_.clear();
}

bool MidiPlayer::SynthReady() {
    if (synth_) return true;
    if (failed_ || !device_.Open()) return false;
    if (!loading_.valid())
        loading_ = std::async(std::launch::async, LoadSynth, soundFont_, device_.SampleRate(), programs_);
    if (loading_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return false;
    synth_.reset(loading_.get());
    if (!synth_) {
        Fail(QStringLiteral("cannot load the soundfont ") + soundFont_);
        return false;
    }
    synth_->scratch.resize(8192);
    Audio()->Mix_HookMusic(&MidiPlayer::Render, this);
    hooked_ = true;
    return true;
}

bool MidiPlayer::WaitUntilReady() {
    if (!synth_ && !failed_ && device_.Open()) {
        SynthReady();
        if (loading_.valid()) loading_.wait();
    }
    return SynthReady();
}

bool MidiPlayer::PresetsCoverPiece() {
    std::lock_guard guard(lock_);
    return (programs_ & ~synth_->loaded).none() || LoadFont(*synth_, soundFont_, programs_);
}

void MidiPlayer::Play() {
    if (bytes_.isEmpty() || !SynthReady()) return;
    if (!PresetsCoverPiece()) {
        Fail(QStringLiteral("cannot load the soundfont ") + soundFont_);
        return;
    }
    std::lock_guard guard(lock_);
    fluid_player_t*& player = synth_->player;
    if (player && Audio()->fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) return;
    if (!player || Audio()->fluid_player_get_status(player) == FLUID_PLAYER_DONE) {
        // Back to the start: a fresh player on the same bytes.
        if (player) Audio()->delete_fluid_player(player);
        player = Audio()->new_fluid_player(synth_->synth);
        if (!player || Audio()->fluid_player_add_mem(player, bytes_.constData(), size_t(bytes_.size())) != FLUID_OK) {
            if (player) Audio()->delete_fluid_player(player);
            player = nullptr;
        }
    }
    if (player) Audio()->fluid_player_play(player);
}

void MidiPlayer::Pause() {
    if (!synth_) return;
    std::lock_guard guard(lock_);
    if (synth_->player && Audio()->fluid_player_get_status(synth_->player) == FLUID_PLAYER_PLAYING) {
        Audio()->fluid_player_stop(synth_->player);
        Audio()->fluid_synth_all_sounds_off(synth_->synth, -1);
    }
}

void MidiPlayer::Stop() {
    if (!synth_) return;
    std::lock_guard guard(lock_);
    if (synth_->player) {
        Audio()->fluid_player_stop(synth_->player);
        Audio()->delete_fluid_player(synth_->player);
        synth_->player = nullptr;
    }
    Audio()->fluid_synth_all_sounds_off(synth_->synth, -1);
}

bool MidiPlayer::Playing() const {
    if (!synth_) return false;
    std::lock_guard guard(lock_);
    return synth_->player && Audio()->fluid_player_get_status(synth_->player) == FLUID_PLAYER_PLAYING;
}

void MidiPlayer::Render(void* self, unsigned char* stream, int length) {
    auto* me = static_cast<MidiPlayer*>(self);
    std::memset(stream, 0, size_t(length));
    std::lock_guard guard(me->lock_);
    Synth& s = *me->synth_;
    const int channels = me->device_.Channels();
    auto* out = reinterpret_cast<int16_t*>(stream);
    const int frames = length / int(sizeof(int16_t)) / channels;
    if (channels >= 2) {
        Audio()->fluid_synth_write_s16(s.synth, frames, out, 0, channels, out, 1, channels);
    } else {
        if (int(s.scratch.size()) < frames) s.scratch.resize(size_t(frames));
        Audio()->fluid_synth_write_s16(s.synth, frames, out, 0, 1, s.scratch.data(), 0, 1);
    }
}

}  // namespace spindora
