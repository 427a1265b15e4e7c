#include "audio/ShellAudio.h"

namespace spindora {

ShellAudio::ShellAudio(QString soundFont) : WaveList_(device_), player_(device_, std::move(soundFont)) {}

void ShellAudio::PlayEffect(int effect, bool soundOn) {
    if (soundOn) WaveList_.Play(effect);
}

bool ShellAudio::FindMusic(const QString& programDir) {
    search_ = MidiSearch(QStringList{programDir, UserMusicFolder()});
    return !search_.IsEmpty() && OpenFrom(search_.First());
}

bool ShellAudio::OpenFrom(MusicFile file) {
    for (qsizetype left = search_.Names().size(); left > 0; --left, file = search_.Next())
        if (player_.Open(file)) return true;
    player_.Fail(QStringLiteral("no readable MIDI file"));
    return false;
}

void ShellAudio::Upkeep() {
    if (player_.Failed() || player_.FileName().isEmpty()) return;
    if (!device_.Open()) {
        // Without a device there is nothing to play music on. The device has said so once;
        // the ticks must not try again.
        player_.Fail(QString());
        return;
    }
    if (!player_.Playing()) player_.Play();
}

void ShellAudio::Switch(bool on) {
    if (player_.Failed()) return;
    if (!on) {
        player_.Pause();
        return;
    }
    player_.Close();
    if (OpenFrom(search_.Next())) Upkeep();
}

}  // namespace spindora
