#pragma once
#include <QString>
#include <functional>

#include "audio/AudioDevice.h"
#include "audio/MidiPlayer.h"
#include "audio/MusicFiles.h"
#include "audio/SoundBank.h"

namespace spindora {

// The main window's sound: the effects of `WaveList`, and the music of the "*.mid" files
// beside the program and in the player's music folder, one per switch-on, looped by the timer.
class ShellAudio {
public:
    explicit ShellAudio(QString soundFont = DefaultSoundFont());

    // `PlayEffect(n)` with the effects switched on or off by `soundbtn`.
    void PlayEffect(int effect, bool soundOn);
    // Start-up: opens the first music file of both folders; false when there is none to offer.
    bool FindMusic(const QString& programDir);
    // Every tick while music is on: a piece that is not playing (not started, or at its
    // end) plays, from its start.
    void Upkeep();
    // `MidiBtnClick`: on takes the next file and plays it from its start; off pauses.
    void Switch(bool on);

    // Music failed for the run (no device, no soundfont, no readable file).
    bool MusicLost() const { return player_.Failed(); }
    MidiPlayer& Midi() { return player_; }
    const MidiSearch& Search() const { return search_; }

private:
    // Opens `file` or, when it cannot be read, the files after it in turn; when none of
    // them can be, music is given up for the run.
    bool OpenFrom(MusicFile file);

    AudioDevice device_;
    SoundBank WaveList_;
    MidiPlayer player_;
    MidiSearch search_;
};

}  // namespace spindora
