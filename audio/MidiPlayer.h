#pragma once
#include <QByteArray>
#include <QSet>
#include <QString>
#include <future>
#include <memory>
#include <mutex>

#include "audio/AudioDevice.h"
#include "audio/MidiFile.h"
#include "audio/MusicFiles.h"

namespace spindora {

// The General MIDI soundfont of Debian's timgm6mb-soundfont package.
QString DefaultSoundFont();

// `Midi`: one MIDI file at a time, rendered by FluidSynth into SDL2_mixer's music hook.
// The synthesiser is made once per run, on a worker thread at the first play, so neither
// start-up nor the window waits for it; until it is ready the player is "not playing"
// and the next play asks again. It holds only the soundfont's presets that the piece
// selects, and loads others when a piece needs them.
class MidiPlayer {
public:
    MidiPlayer(AudioDevice& device, QString soundFont);
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;
    ~MidiPlayer();

    // Reads the file; false when it cannot be read or is no MIDI file, which standard error
    // hears once a run for each file, however often it is tried. Music goes on: another
    // file may still play.
    bool Open(const MusicFile& file);
    void Close();
    // Plays on from a pause, or from the start when stopped or at the end.
    void Play();
    // Pauses a playing piece; a stopped one stays stopped.
    void Pause();
    // Stops and goes back to the start.
    void Stop();
    bool Playing() const;

    // Music cannot be played for the rest of the run.
    bool Failed() const { return failed_; }
    const QString& FileName() const { return fileName_; }
    // Gives music up for the run, with one line on standard error unless `why` is empty
    // (the cause has been reported already).
    void Fail(const QString& why);
    // Waits for the soundfont (tests and benchmarks); true when it loaded.
    bool WaitUntilReady();

    struct Synth;

private:
    bool SynthReady();
    // Loads the presets of the open piece's programs unless they are loaded already.
    bool PresetsCoverPiece();
    static void Render(void* self, unsigned char* stream, int length);

    AudioDevice& device_;
    QString soundFont_;
    QString fileName_;
    QByteArray bytes_;
    QSet<QByteArray> skipped_;  // the files reported as not playable
    MidiPrograms programs_ = MidiPrograms().set(0);
    std::future<Synth*> loading_;
    std::unique_ptr<Synth> synth_;
    mutable std::mutex lock_;  // between the interface thread and the audio callback
    bool hooked_ = false;
    bool failed_ = false;
};

}  // namespace spindora
